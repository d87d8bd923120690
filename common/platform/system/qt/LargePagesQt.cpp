// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/LargePages.h"

namespace LargePages {

// Qt alone has no say in how memory is mapped.
void prefer(void*, qint64) {}

} // namespace LargePages
