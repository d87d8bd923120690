// SPDX-License-Identifier: GPL-3.0-or-later
#include "Filters.h"

#include "Audio.h"

#include <cmath>
#include <numbers>

namespace Sounds {

Biquad Biquad::band_pass(double centre_hz, double q) {
    const double w = 2.0 * kPi * centre_hz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    // Constant 0 dB peak gain, so Q changes colour, not loudness.
    return Biquad(alpha / a0, 0.0, -alpha / a0, -2.0 * std::cos(w) / a0, (1.0 - alpha) / a0);
}

Biquad Biquad::high_pass(double cutoff_hz) {
    const double w = 2.0 * kPi * cutoff_hz / kSampleRate;
    const double q = std::numbers::sqrt2 / 2.0; // Butterworth
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    return Biquad((1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0,
                  (1.0 - alpha) / a0);
}

} // namespace Sounds
