// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/views/ConvenzioneFigure.h"

#include <QList>
#include <QSize>

#include <array>

// The size checks of a letter's eight views, made on the sizes their headers
// give, before any of them is decoded.
namespace MisureViste {

// A smaller picture, stretched to a figure box, shows nothing to tell apart.
constexpr int latoMinimo = 32;
// How far, in pixels, the eight views of one letter may differ in size.
constexpr int tolleranza = 4;

// The sides of a picture, longer first: a view turned a quarter turn swaps
// width and height and is still the same size.
QSize lati(QSize s);

// The numbers (1 to 8) of the views that cannot stand beside the others: one
// smaller than latoMinimo on a side, or of another size than most of the
// views. Views with an invalid size were not read and are left alone.
QList<int> fuoriMisura(const std::array<QSize, ConvenzioneFigure::viste>& misure);

} // namespace MisureViste
