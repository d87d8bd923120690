// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureMemorizzate.h"

#include <QGuiApplication>
#include <QPixmap>

#include <algorithm>
#include <cmath>

QString FigureMemorizzate::percorso(const QString& name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QIcon FigureMemorizzate::icona(const QString& name) {
    auto found = icone_.find(name);
    if (found == icone_.end())
        found = icone_.insert(name, QIcon(percorso(name)));
    return found.value();
}

PicturePtr FigureMemorizzate::disegno(const QString& name) {
    auto found = disegni_.find(name);
    if (found == disegni_.end())
        found = disegni_.insert(name, Picture::fromSvg(percorso(name)));
    return found.value();
}

QCursor FigureMemorizzate::cursoreFreccia(qreal scale) {
    // Cursors much larger than this are not shown by every X server.
    const int side = int(std::lround(32 * std::clamp(scale, 0.5, 4.0)));
    auto found = cursori_.find(side);
    if (found == cursori_.end()) {
        const qreal ratio = qMax<qreal>(1.0, qGuiApp->devicePixelRatio());
        const QPixmap pixmap = icona(QStringLiteral("cursore")).pixmap(QSize(side, side), ratio);
        const int hotSpot = int(std::lround(side / 32.0));
        found = cursori_.insert(side, QCursor(pixmap, hotSpot, hotSpot));
    }
    return found.value();
}
