// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/Picture.h"

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QString>

// The pictures compiled into the program (faces, buttons, signs, cursor),
// made once and shared by every window: a new icon per window would fill
// Qt's pixmap cache with renderings that are never used again.
class FigureMemorizzate {
public:
    static QString percorso(const QString& name);

    QIcon icona(const QString& name);
    PicturePtr disegno(const QString& name);
    // The arrow pointer shown over "avanti" and the clickable signs, for a
    // window shown at that scale.
    QCursor cursoreFreccia(qreal scale = 1.0);

private:
    QHash<QString, QIcon> icone_;
    QHash<QString, PicturePtr> disegni_;
    QHash<int, QCursor> cursori_; // by side in pixels
};
