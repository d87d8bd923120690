// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConteggiRisposte.h"
#include "IntervalloDate.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>

// The class's answers in a range of days, pupil by pupil and exercise by
// exercise, counted in one pass over the entries.
struct RiepilogoClasse {
    static constexpr int esercizi = 15;
    using Riga = std::array<ConteggiRisposte, esercizi>; // FormEs1 first

    struct Alunno {
        QString nome;
        Riga esercizi;
        ConteggiRisposte tutti; // every exercise together
        QDate ultimoGiorno;     // of `tutti`, local; invalid when none
        std::array<QDate, RiepilogoClasse::esercizi> ultimiGiorni;
    };

    IntervalloDate intervallo;
    // The class's list in its order, then anyone else the entries name
    // (a pupil since taken off the list), by name: no answer is lost.
    QList<Alunno> alunni;

    static RiepilogoClasse calcola(const QList<VoceRegistro>& voci, const QStringList& classe,
                                   const IntervalloDate& intervallo);
};
