// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ScreenFit {

namespace {

// Decorations are known once a window has been shown; until then, a title bar
// and thin borders of the usual size.
constexpr QMargins usualFrame{4, 30, 4, 4};

} // namespace

QRect clientGeometry(QSize wanted, QMargins frame, QRect available) {
    const QRect inside = available.marginsRemoved(frame);
    qreal f = 1.0;
    if (wanted.width() > inside.width() || wanted.height() > inside.height())
        f = std::min(qreal(inside.width()) / wanted.width(),
                     qreal(inside.height()) / wanted.height());
    const QSize size(std::max(1, int(std::floor(wanted.width() * f))),
                     std::max(1, int(std::floor(wanted.height() * f))));
    QRect client(QPoint(), size);
    client.moveCenter(inside.center());
    // An odd pixel of centring never pushes the title bar off the top.
    client.moveTopLeft(
        QPoint(std::max(client.left(), inside.left()), std::max(client.top(), inside.top())));
    return client;
}

void place(QWidget& window, const QWidget* previous) {
    const QScreen* screen = previous ? previous->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QMargins frame = usualFrame;
    if (previous && previous->isVisible()) {
        const QRect outer = previous->frameGeometry();
        const QRect inner = previous->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QRect client = clientGeometry(window.sizeHint().expandedTo(window.minimumSize()), frame,
                                        screen->availableGeometry());
    window.resize(client.size());
    // move() places the frame's top-left corner.
    window.move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace ScreenFit
