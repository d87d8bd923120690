// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What an SVG drawing refers to outside itself, checked before any renderer
// reads it: a file, a web address, an external entity or style sheet, or
// data that is not a PNG or JPEG picture (another SVG, which a renderer
// would draw with all it refers to).
namespace RiferimentiSvg {

// The first such reference, empty when the drawing holds everything it
// draws; its own fragments, entities and links are its own.
QString esterno(const QByteArray& svg);

} // namespace RiferimentiSvg
