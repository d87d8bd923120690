// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGui/qwindowdefs.h>

// Closes a window of the program whose native window another program has
// destroyed (a window manager's "kill", a tool's XDestroyWindow), as its close
// button would: Qt does not notice by itself, so a main window would stay
// "open" with nothing on the screen, and a message box would keep blocking
// the window under it. Only X11 is watched; other platforms pass through.
class DestroyedWindowWatcher : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // Closes the top-level widget whose native window was `id`, if any.
    static void windowDestroyed(WId id);
};
