// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A large block of memory about to be filled whole (a reading of hundreds of
// thousands of entries): backed by the system's large pages where it can,
// it is mapped in a few steps instead of one for every 4 KB, which on a
// virtual machine costs more than the filling itself.
namespace LargePages {

// A hint: nothing happens where the system has no such pages, or for a
// block too small to hold one.
void prefer(void* start, qint64 bytes);

} // namespace LargePages
