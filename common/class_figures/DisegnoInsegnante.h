// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A drawing a teacher brings (PNG, JPEG or SVG) made into the square picture
// the eight views are made from: trimmed to its content, centred with the
// margin the shipped figures have, transparent pixels on the box background.
// Anything it cannot use is refused with a reason in plain Italian.
namespace DisegnoInsegnante {

// A smaller picture has too few pixels to tell its views apart.
inline constexpr int latoMinimo = 64;
// Larger files are not read at all; an SVG is read whole into a document
// several times its size.
inline constexpr qint64 byteMassimi = 64LL * 1024 * 1024;
inline constexpr qint64 byteMassimiSvg = 16LL * 1024 * 1024;
// A JPEG's comments and application segments, which its reader keeps, and
// the coefficients a progressive JPEG is decoded from, held whole at once.
inline constexpr qint64 metadatiMassimi = 4LL * 1024 * 1024;
inline constexpr qint64 coefficientiMassimi = 64LL * 1024 * 1024;
// A JPEG is scaled down by its decoder while it is read, so it may be this
// large; other pictures are decoded whole and must stay smaller.
inline constexpr qint64 pixelMassimiJpeg = 10000LL * 10000;
inline constexpr qint64 pixelMassimi = 4096LL * 4096;
// The side a large picture is read at: well above the views' own.
inline constexpr int latoLettura = 2048;

struct Lettura {
    QImage quadrato; // null when refused
    QString motivo;  // why it was refused
    bool ok() const { return !quadrato.isNull(); }
};

Lettura leggi(const QString& percorso);
// The same for a path as the system spells it: bytes, which need not be
// valid UTF-8 and then have no QString that names the file.
Lettura leggiDiSistema(const QByteArray& percorso);
Lettura daByte(const QByteArray& bytes);

} // namespace DisegnoInsegnante
