// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutCornice.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

class FigureMemorizzate;
class ImageBox;
class LineShape;
class QWidget;

// The boxes and lines an exercise window lays out on its area, at places
// given in twips: figure boxes, the row of a sequence, the candidates, the
// signs of turning and the separating lines.
class CaselleCornice {
public:
    // premuta: told of every click on a box, before the box's own handlers.
    CaselleCornice(QWidget& area, FigureMemorizzate& memorizzate,
                   std::function<void(ImageBox&)> premuta = {});

    // A square figure box at (left, top). A screen reader names a display
    // box by `nome`; candidates are named by their place.
    ImageBox* figura(QPoint twips, std::int16_t index, bool bordered, const QString& nome = {});
    // The row of four bordered figure boxes of the rotation windows, at this height.
    QList<ImageBox*> rigaSequenza(int topTwips);
    // Candidates Image1(0..N-1): figure boxes without a border at these
    // places; a click on one reaches onClick with its index.
    QList<ImageBox*> candidati(const QList<QPoint>& twips,
                               std::function<void(std::int16_t)> onClick);
    // Every candidate made so far, in the order made.
    const QList<ImageBox*>& tuttiCandidati() const { return candidati_; }
    // A stored picture in a box of its own, such as a rotation sign; the
    // signs are named by their sense of turning.
    ImageBox* segno(QRect twips, const QString& picture, std::int16_t index = 0);
    LineShape* linea(const Linea& linea);

private:
    ImageBox* casella(QRect pixels, std::int16_t index);

    QWidget& area_;
    FigureMemorizzate& memorizzate_;
    std::function<void(ImageBox&)> premuta_;
    QList<ImageBox*> candidati_;
};
