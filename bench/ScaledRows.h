// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchServices.h"
#include "BenchTable.h"

namespace Bench {

// An exercise window at the normal size and in full screen on each screen of
// the offscreen platform (1920x1080 and 3840x2160): the set-up with eight
// candidates, and the new layout when the window changes between the two
// (pictures decoded again included), each with the target the window must meet.
void benchScaled(const Options& o, Table& table, Services& s);

} // namespace Bench
