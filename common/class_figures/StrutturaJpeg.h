// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>

// What a JPEG's markers tell before any pixel is decoded: whether the file
// goes on to its end marker (a cut file does not, and the decoder would fill
// the rest with grey), whether it is progressive (then the decoder keeps the
// coefficients of the whole picture in memory, whatever size it is read
// at), and how much of it is metadata (comments and application segments,
// which the reader keeps too).
namespace StrutturaJpeg {

struct Esame {
    bool jpeg = false;   // starts as a JPEG does
    bool intero = false; // its scans end with the end marker
    bool progressivo = false;
    QSize misura;
    qint64 byteCoefficienti = 0; // what a progressive decode holds at once
    qint64 byteMetadati = 0;
};

Esame esamina(const QByteArray& bytes);

} // namespace StrutturaJpeg
