// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <QDateTime>

#include <chrono>

qint64 SystemClock::utcMilliseconds() const {
    return QDateTime::currentMSecsSinceEpoch();
}

qint64 SystemClock::steadyMilliseconds() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
