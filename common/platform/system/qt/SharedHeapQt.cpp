// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/SharedHeap.h"

void SharedHeap::useOne() {}
