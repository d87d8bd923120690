// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The class's list as the teacher types it, pastes it or loads it from a
// file (a text file or a spreadsheet saved as CSV). "Chi sei?" shows these
// names for the pupils to pick their own, so each must be told apart.
struct NomiClasse {
    QStringList nomi; // in the list's order, each trimmed and NFC-normalised
    QString errore;   // empty: the list is good; else one Italian sentence saying why not
    bool valida() const { return errore.isEmpty(); }

    static constexpr int massimo = 60;          // "Chi sei?" shows at most 60
    static constexpr int lunghezzaMassima = 40; // characters of one name
    static constexpr qint64 byteMassimi = 64 * 1024;

    // One name a line; a CSV line (`;` or `,` between fields) gives its first
    // field, unquoted; a first line "nome" or "alunno" is a header, skipped;
    // blank lines are skipped.
    static NomiClasse daTesto(const QString& testo);
    // A UTF-8 text or CSV file (with or without a byte-order mark).
    static NomiClasse daFile(const QString& percorso);
    // A list already split into names (a keys file's, a caller's): the same
    // refusals; blank entries are skipped.
    static NomiClasse daElenco(const QStringList& elenco);
};
