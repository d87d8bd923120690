// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

// The eight views of a figure, made from one square picture of it: views 1-4
// are the picture turned 0 to 3 quarter turns clockwise, views 5-8 the same
// for its mirror image in a vertical axis. Turns and mirrors move pixels
// exactly, so no view is blurrier than another. The shipped figures and the
// class's own are made by this one piece of code.
namespace OttoViste {

inline constexpr int numero = 8;
// The side of a view as it is stored.
inline constexpr int lato = 480;
// The room around a figure's content, as the shipped drawings leave it.
inline constexpr int margine = 24;
// The colour of a figure box around and behind the figure.
inline const QColor sfondo{0xFF, 0xFD, 0xF5};

using Viste = std::array<QImage, numero>;

// Views from a square picture; index 0 is view 1.
Viste da(const QImage& quadrato);

// Quarter turn clockwise as seen on screen, and reflection in a vertical axis.
QImage giraOrario(const QImage& quadrato);
QImage specchia(const QImage& quadrato);

// A drawing file rendered to fill a square of `side` pixels on the box
// background, as the shipped drawings are (each leaves its own margin).
std::optional<QImage> disegnaSvg(const QString& percorso, int side = lato);

// The part of the picture that differs from its background: transparent
// pixels, or the colour all four corners share. Empty when nothing does.
QRect contenuto(const QImage& immagine);

// Where content of that size goes in a square of `side` pixels: scaled to
// fit the inner area (the side less the margins) and centred.
QRectF posto(QSizeF parte, int side = lato);

// The part `parte` of a picture, scaled to fit the square's inner area
// (the side less the margins) and centred in it, on the box background;
// transparent pixels show the background.
QImage centra(const QImage& immagine, const QRect& parte, int side = lato);

} // namespace OttoViste
