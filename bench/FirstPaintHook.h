// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Run by the start-up probes after the first window has been painted, when
// VORTELIA_BENCH_MODE=memory: opens whatever the probe wants opened before
// its peak memory is read. Each probe defines it.
void benchOpenEveryWindow();
