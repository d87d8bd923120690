// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/Clock.h"

// A clock that moves only when the test moves it.
class ManualClock : public Clock {
public:
    qint64 utcMilliseconds() const override { return utc; }
    qint64 steadyMilliseconds() const override { return steady; }
    void advance(qint64 milliseconds) {
        utc += milliseconds;
        steady += milliseconds;
    }

    qint64 utc = 1'765'000'000'000; // a December morning in 2025
    qint64 steady = 5'000;
};
