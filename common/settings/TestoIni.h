// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChiaviImpostazioni.h"

#include <QList>
#include <QString>

// Settings written as INI text that QSettings reads back to the same values.
namespace TestoIni {

struct Riga {
    const ChiaviImpostazioni::Chiave* chiave;
    QString commento; // after the value; empty: none
};

// The keys' lines, `nome=valore`, each group's header before its first
// key; the rows come in the table's order.
QString righe(const Impostazioni&, const QList<Riga>&);

// A line of comment, whatever the text holds.
QString commento(const QString& testo);

// A folder as a value: between quotes, so that a comma or a semicolon is
// part of it, with what QSettings would read otherwise escaped.
QString citato(const QString& testo);

} // namespace TestoIni
