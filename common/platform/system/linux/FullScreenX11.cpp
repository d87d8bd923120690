// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window manager runs, asked of the X server.
#include "common/platform/system/FullScreen.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 1, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window named by a window's _NET_SUPPORTING_WM_CHECK, or none.
xcb_window_t checkWindow(xcb_connection_t* c, xcb_window_t of, xcb_atom_t check) {
    const auto cookie = xcb_get_property(c, 0, of, check, XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

bool FullScreen::windowManagerAnswers() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true; // other platforms place their windows themselves
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    if (!screen || check == XCB_ATOM_NONE)
        return false;
    // A manager that has gone leaves the root's property behind: its own
    // window must still be there and name itself.
    const xcb_window_t wm = checkWindow(c, screen->root, check);
    return wm != XCB_WINDOW_NONE && checkWindow(c, wm, check) == wm;
}
