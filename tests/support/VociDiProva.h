// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The record's entries the reports' tests share: a small class in Rome's
// time, whose days are not UTC's, so that a day counted in UTC shows.

#include "common/record/VoceRegistro.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

namespace VociDiProva {

// Set before main(), before Qt reads the time zone.
inline const bool fusoDiRoma = qputenv("TZ", "Europe/Rome");

inline qint64 alle(QDate giorno, QTime ora) {
    return QDateTime(giorno, ora, Qt::LocalTime).toMSecsSinceEpoch();
}

struct Risposta {
    QString alunno;
    int esercizio = 2;
    qint64 quando = 0;
    bool giusta = true;
    bool primo = true;
    qint32 millisecondi = 2500;
};

inline VoceRegistro voce(const Risposta& r) {
    VoceRegistro v;
    v.tipo = VoceRegistro::Tipo::Risposta;
    v.id = QByteArray(16, char(r.quando & 0x7f));
    v.quando = r.quando;
    v.alunno = r.alunno;
    v.finestra = QStringLiteral("FormEs%1").arg(r.esercizio);
    v.lettera = QLatin1Char('b');
    v.mostrato = QStringLiteral("rotazione di 90° in senso orario");
    v.scelto = QStringLiteral("3");
    v.giusta = r.giusta;
    v.primoTentativo = r.primo;
    v.millisecondi = r.millisecondi;
    return v;
}

inline const QStringList classe{QStringLiteral("Anna Bianchi"), QStringLiteral("Luca Rossi"),
                                QStringLiteral("Zoe Verdi")};

// Thursday 10 December 2026 is "today".
inline const QDate oggi(2026, 12, 10);

// Anna: FormEs2 three first tries (two right) and a second try today, one
// at midnight tomorrow, one answer of FormEs14 yesterday. Luca: FormEs2 once, on the first of the
// month just after midnight, wrong. Zoe: nothing. Someone off the list, and
// a pupil starting, which is no answer.
inline QList<VoceRegistro> settimana() {
    const QDate ieri = oggi.addDays(-1);
    QList<VoceRegistro> v{
        voce({classe[0], 2, alle(oggi, QTime(0, 0)), true, true}),
        voce({classe[0], 2, alle(oggi, QTime(9, 15)), false, true}),
        voce({classe[0], 2, alle(oggi, QTime(9, 16)), true, false}),
        voce({classe[0], 2, alle(oggi, QTime(23, 59, 59, 999)), true, true}),
        voce({classe[0], 2, alle(oggi.addDays(1), QTime(0, 0)), false, true}),
        voce({classe[0], 14, alle(ieri, QTime(23, 59, 59, 999)), true, true}),
        voce({classe[1], 2, alle(QDate(2026, 12, 1), QTime(0, 0, 1)), false, true}),
        voce({QStringLiteral("Marco Neri"), 5, alle(oggi, QTime(10, 0)), true, true}),
    };
    VoceRegistro inizio = voce({classe[2], 2, alle(oggi, QTime(8, 0))});
    inizio.tipo = VoceRegistro::Tipo::Inizio;
    inizio.finestra.clear();
    v << inizio;
    return v;
}

// Thirty pupils, "Allievo 01" to "Allievo 30", each with answers to every
// exercise on each school day from 1 September to 10 December: `perGiorno`
// an exercise a day, right three times in four.
inline QStringList trenta() {
    QStringList nomi;
    for (int i = 1; i <= 30; ++i)
        nomi << QStringLiteral("Allievo %1").arg(i, 2, 10, QLatin1Char('0'));
    return nomi;
}

inline QList<VoceRegistro> annoDiTrenta(int perGiorno = 1) {
    QList<VoceRegistro> voci;
    const QStringList nomi = trenta();
    int n = 0;
    for (QDate d(2026, 9, 1); d <= oggi; d = d.addDays(1)) {
        if (d.dayOfWeek() > 5)
            continue;
        for (int k = 0; k < perGiorno; ++k)
            for (qsizetype a = 0; a < nomi.size(); ++a, ++n)
                voci << voce({nomi[a], 1 + (n + k) % 15,
                              alle(d, QTime(8, 0).addSecs(60 * (k + int(a)))), n % 4 != 0,
                              k % 3 == 0, 1000 + n % 9000});
    }
    return voci;
}

} // namespace VociDiProva
