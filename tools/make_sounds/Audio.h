// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every unit of make_sounds shares: the sample rate and a mono clip of
// samples in [-1, 1].

#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace Sounds {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPi = std::numbers::pi;

using Buffer = std::vector<double>;

inline std::size_t to_samples(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

} // namespace Sounds
