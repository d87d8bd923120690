// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colori.h"

#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/services/RandomSource.h"

#include <QPalette>
#include <QWidget>

namespace Colori {

const Palette& paletteMenu() {
    static const Palette palette = {
        qRgb(255, 192, 192), qRgb(255, 128, 128), qRgb(255, 192, 192), qRgb(255, 192, 128),
        qRgb(255, 128, 0),   qRgb(0, 255, 255),   qRgb(255, 255, 0),   qRgb(192, 64, 0),
        qRgb(128, 255, 128), qRgb(0, 192, 0),     qRgb(192, 255, 255), qRgb(0, 255, 255),
        qRgb(192, 192, 255), qRgb(255, 192, 255), qRgb(255, 192, 255), qRgb(224, 224, 224),
        qRgb(255, 192, 255), qRgb(255, 0, 255),
    };
    return palette;
}

// The exercise windows' table differs from the menu's at entries 6, 7 and 10.
const Palette& paletteEsercizi() {
    static const Palette palette = [] {
        Palette p = paletteMenu();
        p[6 - 1] = qRgb(255, 255, 192);
        p[7 - 1] = qRgb(255, 192, 192);
        p[10 - 1] = qRgb(192, 192, 255);
        return p;
    }();
    return palette;
}

const std::array<QRgb, 14>& coloriAvvio() {
    static const std::array<QRgb, 14> colours = {
        qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),   qRgb(128, 0, 0),
        qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192), qRgb(128, 128, 128),
        qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),   qRgb(255, 0, 0),
        qRgb(255, 0, 255), qRgb(255, 255, 0),
    };
    return colours;
}

void impostaSfondo(ColouredArea& window, QRgb colour) {
    window.setColour(colour);
}

// A window's colour, or the background a control paints from its palette.
QRgb sfondo(const QWidget& widget) {
    if (auto* area = qobject_cast<const ColouredArea*>(&widget))
        return area->colour();
    return widget.palette().color(QPalette::Window).rgb();
}

void CaricaColori(ColouredArea& window, const Palette& palette, RandomSource& rnd) {
    const int i = rnd.draw(18) + 1;
    impostaSfondo(window, palette[static_cast<std::size_t>(i - 1)]);
}

QRgb coloreAvvio(RandomSource& rnd) {
    int c = rnd.draw(14) + 1;
    if (c == 7)
        c = 6;
    return coloriAvvio()[static_cast<std::size_t>(c - 1)];
}

} // namespace Colori
