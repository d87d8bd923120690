// SPDX-License-Identifier: GPL-3.0-or-later
#include "DestroyedWindowWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

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
