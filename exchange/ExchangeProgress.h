#pragma once

#include <QString>

// What the steps of a transfer run show while they work: the status line, the two
// progress bars, the hidden run log and the reports the seller has to read. The steps
// only report; whoever runs them (the exchange window, a command-line run) decides how to
// show it. Tests record it.
class ExchangeProgress {
public:
    enum class ReportKind {
        // A step failed; the run goes on or ends as the step decides.
        Error,
        // An error no step handled ended the run (the standard error box).
        UnhandledError,
        // A newer version of the program exists: the run stopped.
        NewVersion,
        // The run is over.
        Completed,
    };

    virtual ~ExchangeProgress() = default;

    virtual void setStatus(const QString &text) = 0;
    virtual void setProgress1(int value) = 0;
    virtual void advanceProgress1(int step) = 0;
    virtual void setProgress2Maximum(int maximum) = 0;
    virtual void advanceProgress2() = 0;
    // Progress bar 2 at its maximum.
    virtual void fillProgress2() = 0;
    virtual void appendRunLog(const QString &line) = 0;
    // A text the seller has to read; the run waits until it was shown.
    virtual void report(ReportKind kind, const QString &text) = 0;
    // Lets a window that runs the steps on its own thread repaint between two pieces of work.
    virtual void keepResponsive() {}
};
