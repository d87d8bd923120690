// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EsercizioStampato.h"
#include "Impaginazione.h"
#include "LayoutScheda.h"

#include <QList>
#include <QString>

class QPainter;
class QRect;

// One version of the sheet, drawn and laid out.
struct VersioneScheda {
    QString fila; // "Fila A"; empty when there is one version
    QList<EsercizioStampato> esercizi;
    PaginazioneScheda pagine;
    int totalePagine() const { return pagine.pagineEsercizi + 1; } // and the key
};

// Paints a version's pages on any painter: a printer, a PDF, a preview.
namespace DisegnoScheda {

// From now on the painter draws in the layout's tenths of a millimetre
// within the margins, on a device whose printable area is `area` pixels.
void inDecimiDiMillimetro(QPainter& painter, const QRect& area,
                          const LayoutScheda& l = layoutScheda);

// The version's `pagina`-th page, from 0: its exercises, or after them its key.
void pagina(QPainter& painter, const VersioneScheda& versione, int pagina, const QString& titolo,
            const LayoutScheda& l = layoutScheda);

} // namespace DisegnoScheda
