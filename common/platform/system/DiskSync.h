// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDevice>

// A file that must outlive a power cut once it is renamed into place: what
// was written to it is on the disk itself, not only in the system's cache.
namespace DiskSync {

// Flushes `file` and waits for the disk; false when either failed.
bool toDisk(QFileDevice& file);

} // namespace DiskSync
