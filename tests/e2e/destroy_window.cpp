// SPDX-License-Identifier: GPL-3.0-or-later
// destroy_window ID: destroys an X window of another program, as a window
// manager's "kill window" or a careless tool would (XDestroyWindow; the
// program's connection stays open). Exits 1 when the server refuses.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: destroy_window WINDOW-ID\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "destroy_window: cannot reach the X server\n");
        xcb_disconnect(connection);
        return 1;
    }
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection, xcb_destroy_window_checked(connection, window)), &std::free);
    xcb_disconnect(connection);
    if (error) {
        std::fprintf(stderr, "destroy_window: X error %d for window %s\n", error->error_code,
                     argv[1]);
        return 1;
    }
    return 0;
}
