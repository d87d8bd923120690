// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScalaCornice.h"

#include "common/library/BibliotecaFigure.h"
#include "common/FigureMemorizzate.h"
#include "FigureNelleCaselle.h"
#include "LayoutCornice.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/services/Twips.h"

#include <QEvent>
#include <QLayout>

#include <cmath>

ScalaCornice::ScalaCornice(ColouredArea& area, FigureMemorizzate& memorizzate,
                           BibliotecaFigure& figure)
    : area_(area), memorizzate_(memorizzate), figure_(figure) {
    connect(&area_.scaler(), &UniformScaler::scaleChanged, this, &ScalaCornice::adatta);
    area_.window()->installEventFilter(this);
}

bool ScalaCornice::eventFilter(QObject* watched, QEvent* event) {
    // Shown, or moved to a screen of another pixel ratio: the pictures are
    // decoded for that screen.
    const QEvent::Type type = event->type();
    if (watched == area_.window() &&
        (type == QEvent::Show || (type == QEvent::ScreenChangeInternal && area_.isVisible())))
        adatta();
    return false;
}

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
    // screen now: new set-ups at once, the pictures on show once the window
    // has its new layout, before it paints. A change of size often comes in
    // two steps (the menu bar follows the window): they are decoded once.
    const qreal side = Twips::toPixels(misureCornice.latoFigura) * s * area_.devicePixelRatioF();
    figure_.impostaLatoPixel(int(std::ceil(side - 0.01)));
    if (ridecodificaAttesa_)
        return;
    ridecodificaAttesa_ = true;
    QMetaObject::invokeMethod(
        &area_,
        [this] {
            if (QLayout* layout = area_.window()->layout())
                layout->activate(); // the second step, if it is still to come
            ridecodificaAttesa_ = false;
            FigureNelleCaselle::ridecodifica(
                figure_, area_.findChildren<ImageBox*>(Qt::FindDirectChildrenOnly));
        },
        Qt::QueuedConnection);
}
