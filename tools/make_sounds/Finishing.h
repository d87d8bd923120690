// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The last steps of every clip before it is written: fades, loudness and
// soft limiting.

#include "Audio.h"

namespace Sounds {

// Raised-cosine ramps at both ends so playback never starts or stops on a
// step (audible click).
void fade_ends(Buffer& buf, double in_s, double out_s);

// Scales the clip so that its loudest sample sits at peak_dbfs.
void normalise(Buffer& buf, double peak_dbfs);

// Gentle tanh saturation: rounds off the few claps that happen to pile up,
// so the crowd as a whole can sit louder under the same peak.
void soft_limit(Buffer& buf, double drive);

} // namespace Sounds
