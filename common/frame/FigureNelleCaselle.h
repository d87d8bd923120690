// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>

class BibliotecaFigure;
class ImageBox;

// Figure pictures from the library shown in image boxes.
namespace FigureNelleCaselle {

// Shows the picture in the box; a picture that cannot be read leaves a
// visible placeholder rather than an empty box.
void carica(BibliotecaFigure& figure, ImageBox& box, QChar lettera, int numero);

// Gives the boxes their pictures again, decoded at the library's present
// side; a box whose file cannot be read now keeps the picture it shows.
void ridecodifica(BibliotecaFigure& figure, const QList<ImageBox*>& boxes);

} // namespace FigureNelleCaselle
