// SPDX-License-Identifier: GPL-3.0-or-later
// Without X there is nobody else to destroy a window: Windows, macOS and
// Wayland let only its own program do that, and Qt notices it then.
#include "common/platform/system/DestroyedWindowWatcher.h"

bool DestroyedWindowWatcher::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}
