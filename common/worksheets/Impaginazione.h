// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EsercizioStampato.h"
#include "LayoutScheda.h"

#include <QLine>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// Where each exercise of a version goes: a page of its own part, in
// tenths of a millimetre within the page's margins (LayoutScheda). An
// exercise never runs over a page's end.
struct PostoEsercizio {
    int pagina = 0; // from 0, among the version's pages
    int numero = 0; // from 1, as printed
    QRect blocco;   // all of it
    QRect testo;    // the number and the instruction
    QList<QRect> riga;
    std::optional<QRect> segno;
    std::optional<QLine> asse;
    QList<QRect> candidati;
    QList<QRect> lettere;
    QList<QRect> didascalie;
};

struct PaginazioneScheda {
    QList<PostoEsercizio> esercizi;
    int pagineEsercizi = 0; // the key's page comes after these
};

namespace Impaginazione {

// An exercise laid out with its top at `alto`.
PostoEsercizio posto(const EsercizioStampato& esercizio, int alto,
                     const LayoutScheda& l = layoutScheda);
PaginazioneScheda impagina(const QList<EsercizioStampato>& esercizi,
                           const LayoutScheda& l = layoutScheda);

// The letter of the i-th candidate: A, B ...
QChar lettera(int i);
// The key: one line per exercise, by its number ("3. B", "5. C, A, D").
QStringList chiave(const QList<EsercizioStampato>& esercizi);
// Where the key's lines go on its page: in columns, top to bottom.
QList<QRect> righeChiave(int quante, const LayoutScheda& l = layoutScheda);

} // namespace Impaginazione
