// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"

#include <QList>
#include <QString>

// What a teacher asks to print: which exercise windows and how many of each,
// the line at the top, how many versions (fila A, B ...) and the seed that
// makes the draws, so that the same request gives the same sheet.
struct RichiestaScheda {
    struct Voce {
        FinestraId finestra;
        int quanti;
    };

    // Limits a printed sheet stays within: a check, not a book.
    static constexpr int massimoPerFinestra = 20;
    static constexpr int massimoEsercizi = 60;
    static constexpr int massimoVersioni = 4;

    QList<Voce> esercizi;
    QString titolo; // class and date, as the teacher writes them
    int versioni = 1;
    quint64 seme = 0;
    bool figureClasse = false;

    // Empty when the request can be printed, otherwise why not, in Italian.
    QString controlla() const;
    int totale() const;
};
