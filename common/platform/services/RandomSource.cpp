// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <algorithm>
#include <cmath>

int RandomSource::draw(int n) {
    const double product = static_cast<double>(uniform()) * n;
    // A value just below 1 must still give n - 1, whatever the rounding.
    return std::clamp(static_cast<int>(std::floor(product)), 0, n - 1);
}
