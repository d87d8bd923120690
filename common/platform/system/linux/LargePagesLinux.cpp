// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/LargePages.h"

#include <sys/mman.h>

namespace LargePages {

void prefer(void* start, qint64 bytes) {
    // The whole large pages inside the block: madvise() wants aligned ones.
    constexpr quintptr large = 2 * 1024 * 1024;
    const quintptr begin = (quintptr(start) + large - 1) & ~(large - 1);
    const quintptr end = (quintptr(start) + quintptr(bytes)) & ~(large - 1);
    if (bytes > 0 && end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace LargePages
