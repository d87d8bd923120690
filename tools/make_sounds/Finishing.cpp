// SPDX-License-Identifier: GPL-3.0-or-later
#include "Finishing.h"

#include <algorithm>
#include <cmath>

namespace Sounds {

void fade_ends(Buffer& buf, double in_s, double out_s) {
    const std::size_t n_in = std::min(buf.size(), to_samples(in_s));
    const std::size_t n_out = std::min(buf.size(), to_samples(out_s));
    for (std::size_t i = 0; i < n_in; ++i) {
        buf[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n_in));
    }
    for (std::size_t i = 0; i < n_out; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n_out);
        buf[buf.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * x);
    }
}

void normalise(Buffer& buf, double peak_dbfs) {
    double peak = 0.0;
    for (double s : buf) {
        peak = std::max(peak, std::abs(s));
    }
    if (peak <= 0.0) {
        return;
    }
    const double scale = std::pow(10.0, peak_dbfs / 20.0) / peak;
    for (double& s : buf) {
        s *= scale;
    }
}

void soft_limit(Buffer& buf, double drive) {
    normalise(buf, 0.0);
    for (double& s : buf) {
        s = std::tanh(drive * s) / std::tanh(drive);
    }
}

} // namespace Sounds
