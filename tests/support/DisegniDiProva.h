// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <QTransform>

#include <functional>

// Drawings made by the tests: an irregular motif with no symmetry at all,
// and the motif made symmetric by laying over it its own turned or mirrored
// copies. The copies are made with Qt's own transforms, not the program's.
namespace DisegniDiProva {

inline constexpr int lato = 400;

// Three shapes of different colours, all in one eighth of the square (the
// triangle between the top edge's middle, the top right corner and the
// centre), so that no turn or mirror brings the motif onto itself and its
// copies never cover each other.
inline QImage motivo() {
    QImage image(lato, lato, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE5, 0x39, 0x35));
    p.drawPolygon(QPolygon({QPoint(215, 15), QPoint(330, 20), QPoint(260, 70), QPoint(225, 90)}));
    p.setBrush(QColor(0x1E, 0x88, 0xE5));
    p.drawEllipse(QRect(290, 25, 50, 28));
    p.setBrush(QColor(0x43, 0xA0, 0x47));
    p.drawRect(QRect(210, 100, 18, 55));
    return image;
}

// Where the motif lies.
inline constexpr QRect dove{205, 10, 140, 150};

using Copia = std::function<QImage(const QImage&)>;

// The motif with its copies by each of the maps laid over it.
inline QImage conCopie(const QList<Copia>& copie) {
    const QImage base = motivo();
    QImage image = base;
    QPainter p(&image);
    for (const Copia& copia : copie)
        p.drawImage(0, 0, copia(base));
    return image;
}

// Qt's exact turns and mirrors of a square picture.
inline QImage girata(const QImage& i, int gradi) {
    return i.transformed(QTransform().rotate(gradi));
}
inline Copia giro(int gradi) {
    return [gradi](const QImage& i) { return girata(i, gradi); };
}
inline QImage specchioVerticale(const QImage& i) {
    return i.mirrored(true, false);
}
inline QImage specchioOrizzontale(const QImage& i) {
    return i.mirrored(false, true);
}
// Mirror in the diagonal from top left to bottom right: x and y swap.
inline QImage specchioDiscendente(const QImage& i) {
    return girata(i, 90).mirrored(true, false);
}
// Mirror in the diagonal from bottom left to top right.
inline QImage specchioAscendente(const QImage& i) {
    return girata(i, 90).mirrored(false, true);
}

} // namespace DisegniDiProva
