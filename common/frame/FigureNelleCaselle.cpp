// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureNelleCaselle.h"

#include "common/library/BibliotecaFigure.h"
#include "common/platform/widgets/ImageBox.h"

#include <QPointer>

namespace FigureNelleCaselle {

void carica(BibliotecaFigure& figure, ImageBox& box, QChar lettera, int numero) {
    if (PicturePtr p = figure.immagine(lettera, numero))
        box.setPicture(std::move(p));
    else
        box.setMissing();
}

void ridecodifica(BibliotecaFigure& figure, const QList<ImageBox*>& boxes) {
    QList<QPointer<ImageBox>> conFigura;
    QList<PicturePtr> mostrate;
    for (ImageBox* box : boxes)
        if (box->picture()) {
            conFigura << box;
            mostrate << box->picture();
        }
    if (boxes.isEmpty())
        return;
    figure.ridecodifica(mostrate, boxes.first()->parent(),
                        [conFigura, mostrate](const QList<PicturePtr>& nuove) {
                            // A box dealt a new picture meanwhile keeps it.
                            for (qsizetype i = 0; i < conFigura.size(); ++i)
                                if (conFigura[i] && conFigura[i]->picture() == mostrate[i] &&
                                    nuove[i] != mostrate[i])
                                    conFigura[i]->setPicture(nuove[i]);
                        });
}

} // namespace FigureNelleCaselle
