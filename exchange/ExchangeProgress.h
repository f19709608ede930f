#pragma once

#include <QString>

// What the steps of a transfer run show while they work: the status line, the two
// progress bars and the hidden run log. The exchange window implements it; tests record it.
class ExchangeProgress {
public:
    virtual ~ExchangeProgress() = default;

    virtual void setStatus(const QString &text) = 0;
    virtual void setProgress1(int value) = 0;
    virtual void advanceProgress1(int step) = 0;
    virtual void setProgress2Maximum(int maximum) = 0;
    virtual void advanceProgress2() = 0;
    // Progress bar 2 at its maximum.
    virtual void fillProgress2() = 0;
    virtual void appendRunLog(const QString &line) = 0;
    // Lets the window repaint between two pieces of work.
    virtual void keepResponsive() {}
};
