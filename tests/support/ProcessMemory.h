// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What this process holds in memory, as Linux counts it; 0 where it cannot be read.
namespace ProcessMemory {

// The pages the process itself holds resident, in kB: anonymous ones only
// (pages mapped from libraries and fonts depend on the machine), once the
// allocator has given back the free memory it kept for later.
long residentKb();

// The peak of the whole resident memory, in kB, since the last reset.
long peakKb();
// Starts the peak again from the memory resident now; false if the system
// does not let it.
bool resetPeak();

} // namespace ProcessMemory
