#include "DestroyedWindowWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <limits>

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

// Closes the window once the event loops from `level` up have ended.
void closeOutside(QPointer<QWidget> window, int level) {
    if (!window)
        return;
    if (QThread::currentThread()->loopLevel() >= level) {
        QTimer::singleShot(10, window, [window, level] { closeOutside(window, level); });
        return;
    }
    window->close();
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
    QWidget* window = ourWindow(id);
    if (!window)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        // A message box closes with its escape answer ("No", "OK").
        QPointer<QDialog> guard = dialog;
        dialog->close();
        if (guard && guard->isVisible())
            guard->reject();
        return;
    }
    // A window under a message box: the box is dismissed first, and the window
    // closed once the box's event loop has ended, so that nothing is deleted
    // under the handler that opened the box.
    const int level = QThread::currentThread()->loopLevel();
    bool dismissed = false;
    for (int i = 0; i < 8; ++i) {
        QPointer<QDialog> modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal)
            break;
        modal->close();
        if (modal && modal->isVisible())
            modal->reject();
        dismissed = true;
    }
    closeOutside(window, dismissed ? level : std::numeric_limits<int>::max());
}
