// SPDX-License-Identifier: GPL-3.0-or-later
#include "DestroyedWindowWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

QWidget* ourWindow(WId id) {
    if (id == 0)
        return nullptr;
    // internalWinId() is 0 for a widget whose native window Qt has not made
    // or has destroyed itself, so only a live window of ours matches.
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->internalWinId() == id && widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

bool DestroyedWindowWatcher::nativeEventFilter(const QByteArray& eventType, void* message,
                                               qintptr*) {
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

void DestroyedWindowWatcher::windowDestroyed(WId id) {
    QPointer<QWidget> window = ourWindow(id);
    if (!window)
        return;
    // As its close button would; a message box closes with its escape answer
    // ("No", "OK"), and one that will not close is dismissed all the same.
    window->close();
    if (auto* dialog = qobject_cast<QDialog*>(window.data()); dialog && dialog->isVisible())
        dialog->reject();
}
