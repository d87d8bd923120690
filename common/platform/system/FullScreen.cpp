// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {

// Where a window left alone in full screen goes back to.
constexpr char normalGeometry[] = "vortelia_normalGeometry";

} // namespace

bool FullScreen::freeAreaUnknown() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FullScreen::prepare(QWidget& window, Qt::WindowStates state) const {
    // Wayland tells a program neither where its window goes nor what the
    // desktop's panels leave free: a window that had to be made smaller than
    // its layout to fit the screen asks the compositor for the free area.
    const QSize wanted = window.sizeHint().expandedTo(window.minimumSize());
    if (state == Qt::WindowNoState && freeAreaUnknown() &&
        (window.width() < wanted.width() || window.height() < wanted.height()))
        state = Qt::WindowMaximized;
    if (!(state & Qt::WindowFullScreen) || windowManager()) {
        window.setWindowState(state);
        return;
    }
    enter(window);
}

void FullScreen::toggle(QWidget& window) const {
    const bool full = window.windowState() & Qt::WindowFullScreen;
    // A window that took the screen itself gives it back itself.
    if (full && window.property(normalGeometry).isValid())
        leave(window);
    else if (windowManager())
        window.setWindowState(window.windowState() ^ Qt::WindowFullScreen);
    else if (!full)
        enter(window);
    else
        window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
}

void FullScreen::enter(QWidget& window) const {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.setProperty(normalGeometry, window.geometry());
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::FramelessWindowHint, true); // hides a shown window
    // The geometry first: some platforms drop the state when it changes.
    window.setGeometry(screen->geometry());
    window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    if (shown) {
        window.show();
        window.activateWindow();
    }
}

void FullScreen::leave(QWidget& window) const {
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::FramelessWindowHint, false);
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    const QRect normal = window.property(normalGeometry).toRect();
    window.setProperty(normalGeometry, QVariant());
    if (normal.isValid())
        window.setGeometry(normal);
    if (shown) {
        window.show();
        window.activateWindow();
    }
}
