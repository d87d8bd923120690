// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The time of day, and a count of milliseconds that only goes forward, for
// durations: the time of day may jump when the system sets it.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since 1970, UTC.
    virtual qint64 utcMilliseconds() const = 0;
    // Milliseconds from some fixed start, never going back.
    virtual qint64 steadyMilliseconds() const = 0;
};

// The system's clocks.
class SystemClock : public Clock {
public:
    qint64 utcMilliseconds() const override;
    qint64 steadyMilliseconds() const override;
};
