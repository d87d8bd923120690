// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/SharedHeap.h"

#include <malloc.h>

void SharedHeap::useOne() {
    mallopt(M_ARENA_MAX, 1);
    // Fixed, so that glibc does not raise it to the size of the largest
    // block freed: a window's picture of the screen (8 MB in full screen)
    // always goes back to the system. Figure pictures, up to 480 x 480
    // (900 KB) on the largest screens, stay in the heap, which hands them
    // out again without the system clearing their pages.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    // Nor is the free top of the heap given back until it is large: the
    // pictures of a new exercise take the place of those just let go, and
    // pages given back would come again cleared by the system, a page fault
    // each (a quarter of the time spent decoding a picture).
    mallopt(M_TRIM_THRESHOLD, 16 * 1024 * 1024);
}
