// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureNelleCaselle.h"

#include "BibliotecaFigure.h"
#include "common/platform/ImageBox.h"

namespace FigureNelleCaselle {

void carica(BibliotecaFigure& figure, ImageBox& box, QChar lettera, int numero) {
    if (PicturePtr p = figure.immagine(lettera, numero))
        box.setPicture(std::move(p));
    else
        box.setMissing();
}

void ridecodifica(BibliotecaFigure& figure, const QList<ImageBox*>& boxes) {
    QList<ImageBox*> conFigura;
    QList<PicturePtr> mostrate;
    for (ImageBox* box : boxes)
        if (box->picture()) {
            conFigura << box;
            mostrate << box->picture();
        }
    const QList<PicturePtr> nuove = figure.ridecodifica(mostrate);
    for (qsizetype i = 0; i < conFigura.size(); ++i)
        if (nuove[i] != mostrate[i])
            conFigura[i]->setPicture(nuove[i]);
}

} // namespace FigureNelleCaselle
