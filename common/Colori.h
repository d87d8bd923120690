// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <array>

class ColouredArea;
class QWidget;
class RandomSource;

// The colour tables of the windows and the procedure that recolours a window.
namespace Colori {

using Palette = std::array<QRgb, 18>;

// Indices 1..18 of the tables are elements 0..17 here.
const Palette& paletteMenu();
const Palette& paletteEsercizi();

// The start window's table: the sixteen-colour palette's entries 1 to 14.
const std::array<QRgb, 14>& coloriAvvio();

// Sets only the window's own background, so labels keep theirs.
void impostaSfondo(ColouredArea& window, QRgb colour);
QRgb sfondo(const QWidget& widget);

// One value from the generator, one of the 18 entries.
void CaricaColori(ColouredArea& window, const Palette& palette, RandomSource& rnd);

// Start window: 1..14, with 7 turned into 6.
QRgb coloreAvvio(RandomSource& rnd);

} // namespace Colori
