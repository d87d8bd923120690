// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockRandom.h"

#include <chrono>

ClockRandom::ClockRandom() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

void ClockRandom::seed(std::uint32_t value) {
    engine_.seed(value);
}

void ClockRandom::seed(std::seed_seq& values) {
    engine_.seed(values);
}

float ClockRandom::uniform() {
    // 24 random bits fill a float's mantissa exactly, so the largest value is
    // 1 - 2^-24; generate_canonical<float> can round up to 1.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * scale;
}
