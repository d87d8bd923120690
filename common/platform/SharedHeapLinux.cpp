// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedHeap.h"

#include <malloc.h>

void SharedHeap::useOne() {
    mallopt(M_ARENA_MAX, 1);
    // Fixed, so that glibc does not raise it to the size of the largest
    // block freed. Pictures for a full screen of 1920x1080 (360 KB) stay in
    // the heap, which hands them out again without the system clearing them.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
}
