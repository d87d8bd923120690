// SPDX-License-Identifier: GPL-3.0-or-later
#include "UhOh.h"

#include <cmath>
#include <cstddef>
#include <iterator>

namespace Sounds {
namespace {

struct Note {
    double start_s;
    double length_s;
    double from_hz; // pitch glides from here...
    double to_hz;   // ...to here
    double gain;
};

// Soft tone: a fundamental with a few quickly weakening harmonics (rounder
// than a square or saw), slight vibrato, smooth attack and release.
void add_note(Buffer& out, const Note& note) {
    constexpr double harmonics[] = {1.0, 0.35, 0.12, 0.05};
    const std::size_t start = to_samples(note.start_s);
    const std::size_t length = to_samples(note.length_s);
    const double attack = 0.025;
    const double release = 0.09;
    double phase = 0.0;

    for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double x = t / note.length_s;
        // Ease-in-out glide so the pitch bends like a voice.
        const double bend = x * x * (3.0 - 2.0 * x);
        const double f = note.from_hz + (note.to_hz - note.from_hz) * bend;
        const double vibrato = 1.0 + 0.006 * std::sin(2.0 * kPi * 5.5 * t);
        phase += 2.0 * kPi * f * vibrato / kSampleRate;

        double s = 0.0;
        for (std::size_t h = 0; h < std::size(harmonics); ++h) {
            s += harmonics[h] * std::sin(static_cast<double>(h + 1) * phase);
        }

        double env = 1.0;
        if (t < attack) {
            env = 0.5 - 0.5 * std::cos(kPi * t / attack);
        }
        const double until_end = note.length_s - t;
        if (until_end < release) {
            env *= 0.5 - 0.5 * std::cos(kPi * until_end / release);
        }
        out[start + i] += note.gain * env * s;
    }
}

} // namespace

Buffer make_uh_oh() {
    Buffer out(to_samples(0.55), 0.0);
    add_note(out, {.start_s = 0.0, .length_s = 0.2, .from_hz = 523.0, .to_hz = 510.0, .gain = 1.0});
    add_note(out,
             {.start_s = 0.22, .length_s = 0.32, .from_hz = 440.0, .to_hz = 370.0, .gain = 0.9});
    return out;
}

} // namespace Sounds
