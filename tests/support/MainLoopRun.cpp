#include "tests/support/MainLoopRun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

namespace {
constexpr int ScenarioDone = 4711;
} // namespace

MainLoopRun::Outcome MainLoopRun::run(const std::function<void()> &scenario, int deadlineMs)
{
    MainLoopRun watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    const QMetaObject::Connection closed = QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed,
        [&watch] { watch.m_outcome.lastWindowClosed = true; });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    deadline.start(deadlineMs);
    QTimer::singleShot(0, &watch, [&watch, &scenario] {
        scenario();
        watch.m_outcome.finished = true;
        // Queued behind whatever the scenario posted, so a posted quit is seen first.
        QTimer::singleShot(0, &watch, [] { QCoreApplication::exit(ScenarioDone); });
    });
    QCoreApplication::exec();
    QObject::disconnect(closed);
    QCoreApplication::instance()->removeEventFilter(&watch);
    return watch.m_outcome;
}

bool MainLoopRun::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        m_outcome.quitPosted = true;
    return QObject::eventFilter(watched, event);
}
