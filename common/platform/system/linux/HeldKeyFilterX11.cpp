// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a key is down, asked of the X server.
#include "common/platform/system/HeldKeyFilter.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

bool HeldKeyFilter::keyIsDown(quint32 scanCode) {
    // Not under X (a Wayland session): the platform does not say.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || scanCode == 0 || scanCode > 255)
        return true;
    xcb_connection_t* c = x11->connection();
    std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr), &std::free);
    // On X the scan code is the key code: one bit of the keymap.
    return !keymap || (keymap->keys[scanCode / 8] & (1u << (scanCode % 8))) != 0;
}
