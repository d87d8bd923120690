// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DisegnoScheda.h"
#include "RichiestaScheda.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

class QPagedPaintDevice;

// Where the pictures come from: the program's folder (jpg/ in it) and,
// when the class has figures of its own, their folders letter by letter.
struct FontiScheda {
    QString cartellaApplicazione;
    std::function<QStringList(QChar)> cartelleClasse; // empty: the class has none
};

// A printed sheet: every version's exercises drawn and laid out.
struct FascicoloScheda {
    QString titolo;
    QList<VersioneScheda> versioni;
    int pagine() const;
};

// Worksheets of the program's exercises, for paper: each exercise drawn by
// its own window as the pupil would meet it, on A4 pages, a version per
// neighbour, each with its key on a last page of its own.
namespace Schede {

// The exercises of every version, drawn with the request's seed, or why
// they cannot be: an Italian sentence. Needs a QApplication.
std::variant<FascicoloScheda, QString> prepara(const RichiestaScheda& richiesta,
                                               const FontiScheda& fonti);

// Every page, one after the other, on a printer or a PDF writer set up by
// the caller; "" or why not.
QString disegna(QPagedPaintDevice& dispositivo, const FascicoloScheda& fascicolo);

// One page, from 0 across all versions, as an image `larghezza` pixels wide
// (the printable area only).
QImage anteprima(const FascicoloScheda& fascicolo, int pagina, int larghezza);

// The PDF, written whole or not at all: "" or why not, in Italian.
QString scrivi(const QString& pdf, const RichiestaScheda& richiesta, const FontiScheda& fonti);
QString scrivi(const QString& pdf, const FascicoloScheda& fascicolo);

} // namespace Schede
