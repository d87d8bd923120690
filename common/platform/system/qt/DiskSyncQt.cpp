// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/DiskSync.h"

namespace DiskSync {

// Qt alone cannot wait for the disk: the system's cache has the bytes.
bool toDisk(QFileDevice& file) {
    return file.flush();
}

} // namespace DiskSync
