// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedHeap.h"

#include <malloc.h>

void SharedHeap::useOne() {
    mallopt(M_ARENA_MAX, 1);
}
