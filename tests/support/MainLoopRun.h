#pragma once

#include <QObject>
#include <functional>

// Runs a piece of a test inside the application's own event loop, as the program runs,
// and notes whether Qt meanwhile decided that the program should end (its last window
// closed, or a quit was posted). Outside QCoreApplication::exec Qt never ends a program
// by itself, so a test that wants to see this has to run here.
class MainLoopRun : public QObject {
public:
    struct Outcome {
        // The scenario returned before the deadline.
        bool finished = false;
        bool lastWindowClosed = false;
        bool quitPosted = false;
        bool programEnded() const { return lastWindowClosed || quitPosted; }
    };

    static Outcome run(const std::function<void()> &scenario, int deadlineMs = 60000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Outcome m_outcome;
};
