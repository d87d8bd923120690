// SPDX-License-Identifier: GPL-3.0-or-later
// make_sounds <out-dir>
//
// Writes the feedback sounds used by the program: four different applause
// clips (si1..si4.wav) for a right answer and a gentle falling "uh-oh"
// (no.wav) for a wrong one. Everything is synthesised here so the build
// owns its assets; fixed seeds make every run byte-identical.

#include "Audio.h"
#include "Filters.h"
#include "Finishing.h"
#include "Random.h"
#include "UhOh.h"
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace Sounds {
namespace {

// ---------------------------------------------------------------- clap

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

// ---------------------------------------------------------------- applause

struct ApplauseStyle {
    std::uint64_t seed;
    double seconds;
    int clappers;
    double brightness; // scales every clapper's resonance
    double rate_hz;    // typical claps per second per person
    double swell_s;    // how quickly the crowd joins in
};

// A crowd: every clapper has their own hands (resonance), tempo and
// loudness, starts during the swell, and stops at their own moment near the
// end, clapping more softly as they stop. Irregular timing keeps it from
// sounding like a metronome.
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

} // namespace
} // namespace Sounds

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "make_sounds") << " <out-dir>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "make_sounds: cannot create " << dir.string() << ": " << ec.message() << '\n';
        return 1;
    }

    using namespace Sounds;
    // Each clip gets its own crowd so repeated right answers don't sound
    // canned: size, brightness, tempo and length all differ.
    const ApplauseStyle styles[] = {
        {.seed = 0x51A11,
         .seconds = 1.3,
         .clappers = 14,
         .brightness = 1.0,
         .rate_hz = 4.5,
         .swell_s = 0.18},
        {.seed = 0x51A22,
         .seconds = 1.6,
         .clappers = 24,
         .brightness = 1.2,
         .rate_hz = 4.0,
         .swell_s = 0.25},
        {.seed = 0x51A33,
         .seconds = 1.8,
         .clappers = 34,
         .brightness = 0.85,
         .rate_hz = 3.6,
         .swell_s = 0.3},
        {.seed = 0x51A44,
         .seconds = 1.5,
         .clappers = 18,
         .brightness = 1.35,
         .rate_hz = 5.2,
         .swell_s = 0.12},
    };

    struct Output {
        std::string name;
        Buffer samples;
        double peak_dbfs;
    };
    std::vector<Output> outputs;
    for (std::size_t i = 0; i < std::size(styles); ++i) {
        Buffer clip = make_applause(styles[i]);
        fade_ends(clip, 0.004, 0.03);
        soft_limit(clip, 1.8);
        outputs.push_back({"si" + std::to_string(i + 1) + ".wav", std::move(clip), -3.0});
    }
    Buffer no = make_uh_oh();
    fade_ends(no, 0.005, 0.02);
    // A steady tone sounds much louder than applause at the same peak; a
    // lower peak keeps "wrong" no louder than "right".
    outputs.push_back({"no.wav", std::move(no), -6.0});

    int status = 0;
    for (auto& [name, samples, peak_dbfs] : outputs) {
        normalise(samples, peak_dbfs);
        const auto path = dir / name;
        if (!write_wav(path, samples)) {
            std::cerr << "make_sounds: cannot write " << path.string() << '\n';
            status = 1;
        }
    }
    return status;
}
