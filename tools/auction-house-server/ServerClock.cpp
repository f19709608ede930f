#include "tools/auction-house-server/ServerClock.h"

#include <atomic>

namespace ServerClock {

namespace {
std::atomic<qint64> offsetSeconds{0};
} // namespace

QDateTime now()
{
    return QDateTime::currentDateTime().addSecs(offsetSeconds.load());
}

void advance(qint64 seconds)
{
    offsetSeconds += seconds;
}

void reset()
{
    offsetSeconds = 0;
}

} // namespace ServerClock
