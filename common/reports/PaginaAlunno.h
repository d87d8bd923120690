// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConteggiRisposte.h"
#include "IntervalloDate.h"

#include <QDate>
#include <QList>
#include <QString>

// One pupil's answers in a range of days, per exercise and per ISO week
// (Monday to Sunday; a week across New Year's belongs to the year that has
// its Thursday), counted in one pass over the entries.
struct PaginaAlunno {
    struct Settimana {
        int anno = 0;   // the ISO week's year
        int numero = 0; // 1 to 53
        QDate lunedi;
        ConteggiRisposte conteggi;
        // "settimana 53, dal 28/12/2026"
        QString nome() const;
    };
    struct Esercizio {
        int numero = 0; // FormEs<numero>
        QString titolo; // as the window words it
        ConteggiRisposte tutti;
        QList<Settimana> settimane; // oldest first, those with answers
    };
    // A point of the chart: a week with a first try, its share right.
    struct Punto {
        QDate lunedi;
        double percentuale = 0; // 0 to 100
        int primi = 0;
        bool operator==(const Punto&) const = default;
    };

    QString alunno;
    IntervalloDate intervallo{{}, {}};
    ConteggiRisposte tutti;
    QList<Esercizio> esercizi;  // those with answers, FormEs1 first
    QList<Settimana> settimane; // every exercise together, oldest first

    // The chart's points for FormEs<esercizio>, or for every exercise
    // together with 0.
    QList<Punto> serie(int esercizio = 0) const;

    static PaginaAlunno calcola(const QList<VoceRegistro>& voci, const QString& alunno,
                                const IntervalloDate& intervallo);
};
