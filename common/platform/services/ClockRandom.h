// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

// The real generator, seeded from the clock so that every run differs.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    void seedFromClock();
    void seed(std::uint32_t value);
    // Seeded from more than 32 bits, as a printed sheet's 64-bit seed.
    void seed(std::seed_seq& values);
    float uniform() override;

private:
    std::mt19937 engine_;
};
