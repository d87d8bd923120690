// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/DiskSync.h"

#include <unistd.h>

namespace DiskSync {

bool toDisk(QFileDevice& file) {
    return file.flush() && file.handle() >= 0 && ::fsync(file.handle()) == 0;
}

} // namespace DiskSync
