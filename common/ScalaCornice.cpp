// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScalaCornice.h"

#include "BibliotecaFigure.h"
#include "FigureMemorizzate.h"
#include "FigureNelleCaselle.h"
#include "LayoutCornice.h"
#include "common/platform/ColouredArea.h"
#include "common/platform/ImageBox.h"
#include "common/platform/Twips.h"

#include <cmath>

ScalaCornice::ScalaCornice(ColouredArea& area, FigureMemorizzate& memorizzate,
                           BibliotecaFigure& figure)
    : area_(area), memorizzate_(memorizzate), figure_(figure) {}

void ScalaCornice::conCursoreFreccia(QWidget* control) {
    control->setCursor(memorizzate_.cursoreFreccia(area_.scaler().scale()));
    conCursore_ << control;
}

void ScalaCornice::adatta() {
    const qreal s = area_.scaler().scale();
    const QCursor cursor = memorizzate_.cursoreFreccia(s);
    for (QWidget* control : std::as_const(conCursore_))
        control->setCursor(cursor);
    // Pictures are decoded for the pixels the figure boxes have on this
    // screen now.
    const qreal side = Twips::toPixels(misureCornice.latoFigura) * s * area_.devicePixelRatioF();
    figure_.impostaLatoPixel(int(std::ceil(side - 0.01)));
    FigureNelleCaselle::ridecodifica(figure_,
                                     area_.findChildren<ImageBox*>(Qt::FindDirectChildrenOnly));
}
