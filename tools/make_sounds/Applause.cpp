// SPDX-License-Identifier: GPL-3.0-or-later
#include "Applause.h"

#include "Filters.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Sounds {
namespace {

struct Clap {
    double centre_hz; // main resonance of the cupped hands
    double q;         // width of that resonance
    double snap;      // amount of bright, broadband crack on top
    double attack_s;  // a few ms
    double decay_s;   // time to fall to about -25 dB
    double gain;
};

// One hand clap: a noise burst through a band-pass, plus a little
// high-passed noise for the crack, under a fast-attack/exponential envelope.
void add_clap(Buffer& out, std::size_t start, const Clap& clap, Rng& rng) {
    Biquad body = Biquad::band_pass(clap.centre_hz, clap.q);
    Biquad crack = Biquad::high_pass(3000.0);
    const double tau = clap.decay_s / 3.0;
    const std::size_t attack = std::max<std::size_t>(1, to_samples(clap.attack_s));
    // Run a bit past the nominal decay so the filter ring ends in silence.
    const std::size_t length = attack + to_samples(clap.decay_s * 2.5);

    for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
        double env;
        if (i < attack) {
            env = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(attack));
        } else {
            env = std::exp(-static_cast<double>(i - attack) / kSampleRate / tau);
        }
        const double n = rng.noise();
        const double s = body.process(n) + clap.snap * crack.process(n);
        out[start + i] += clap.gain * env * s;
    }
}

} // namespace

Buffer make_applause(const ApplauseStyle& style) {
    Rng rng(style.seed);
    Buffer out(to_samples(style.seconds), 0.0);
    const double tail_s = 0.06; // let the last claps ring out

    for (int c = 0; c < style.clappers; ++c) {
        const double centre = style.brightness * rng.uniform(750.0, 2100.0);
        const double q = rng.uniform(0.8, 2.2);
        const double snap = style.brightness * rng.uniform(0.05, 0.3);
        const double loudness = rng.uniform(0.35, 1.0);
        const double period = 1.0 / (style.rate_hz * rng.uniform(0.75, 1.3));
        const double decay = rng.uniform(0.02, 0.06);

        // Spread joins over the swell so density ramps up rather than starting
        // in one hit; the first clapper starts at once so there is no lag.
        const double join = rng.unit();
        const double begin = 0.005 + style.swell_s * (c == 0 ? 0.0 : join);
        const double end = (style.seconds - tail_s) * rng.uniform(0.5, 1.0);

        for (double t = begin; t < end; t += period * rng.uniform(0.85, 1.15)) {
            // Fade out over the clapper's last ~40 % of their time.
            const double left = (end - t) / (0.4 * (end - begin) + 1e-9);
            const double tiring = std::min(1.0, left);
            const Clap clap{
                .centre_hz = centre * rng.uniform(0.9, 1.1),
                .q = q,
                .snap = snap,
                .attack_s = rng.uniform(0.001, 0.004),
                .decay_s = decay * rng.uniform(0.8, 1.2),
                .gain = loudness * rng.uniform(0.6, 1.0) * (0.2 + 0.8 * tiring),
            };
            add_clap(out, to_samples(t), clap, rng);
        }
    }

    // A few early reflections give the crowd a room instead of a void.
    constexpr double taps[][2] = {{0.011, 0.30}, {0.019, 0.24}, {0.029, 0.18},
                                  {0.043, 0.13}, {0.061, 0.09}, {0.083, 0.06}};
    const Buffer dry = out;
    for (const auto& tap : taps) {
        const std::size_t d = to_samples(tap[0]);
        for (std::size_t i = d; i < out.size(); ++i) {
            out[i] += tap[1] * dry[i - d];
        }
    }
    return out;
}

} // namespace Sounds
