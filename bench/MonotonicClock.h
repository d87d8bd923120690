// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

// Nanoseconds on CLOCK_MONOTONIC: the clock the runner and the probes it
// starts share, so that a time taken in one process means the same in another.
inline long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}
