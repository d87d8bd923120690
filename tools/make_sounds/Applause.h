// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Audio.h"

#include <cstdint>

namespace Sounds {

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
Buffer make_applause(const ApplauseStyle& style);

} // namespace Sounds
