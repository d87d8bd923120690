// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QPdfWriter;

// A PDF that is the same bytes every time it is made from the same pages:
// A4, the layout's margins, a fixed creator, and no date of making.
namespace PdfRiproducibile {

// margine: on every side, in tenths of a millimetre.
void imposta(QPdfWriter& scrittore, const QString& titolo, int margine,
             QPageLayout::Orientation verso = QPageLayout::Portrait);
// The document with its creation date replaced by a fixed one of the same
// length, so that no offset in it moves.
QByteArray senzaData(QByteArray documento);

} // namespace PdfRiproducibile
