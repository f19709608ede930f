#pragma once

#include <QDateTime>

// The server's clock: the current time, moved on by tests that need time to pass instead
// of waiting for it.
namespace ServerClock {

QDateTime now();
void advance(qint64 seconds);
// Back to the real time.
void reset();

} // namespace ServerClock
