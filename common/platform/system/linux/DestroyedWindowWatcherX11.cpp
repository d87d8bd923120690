// SPDX-License-Identifier: GPL-3.0-or-later
// The watcher's ear on X: the server's own notice that a window is gone.
#include "common/platform/system/DestroyedWindowWatcher.h"

#include <QApplication>
#include <QMetaObject>

#include <xcb/xcb.h>

bool DestroyedWindowWatcher::nativeEventFilter(const QByteArray& eventType, void* message,
                                               qintptr*) {
    // Under Wayland and on other platforms no such notice exists: a window
    // is only ever destroyed by its own program there.
    if (eventType != "xcb_generic_event_t")
        return false;
    // A real destruction, not a notice some client sent.
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (event->response_type != XCB_DESTROY_NOTIFY)
        return false;
    const WId id = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
    // Closing runs the program's handlers: not from inside Qt's dispatch.
    QMetaObject::invokeMethod(
        qApp, [id] { windowDestroyed(id); }, Qt::QueuedConnection);
    return false;
}
