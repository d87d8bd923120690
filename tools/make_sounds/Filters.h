// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Sounds {

// RBJ cookbook biquad; only the two shapes we need.
class Biquad {
public:
    static Biquad band_pass(double centre_hz, double q);
    static Biquad high_pass(double cutoff_hz);

    // Inline: it runs once a sample for every clap.
    double process(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }

private:
    Biquad(double b0, double b1, double b2, double a1, double a2)
        : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}

    double b0_, b1_, b2_, a1_, a2_;
    double z1_ = 0.0, z2_ = 0.0;
};

} // namespace Sounds
