// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's page: per exercise and ISO week, a week across New Year's, the
// chart's points, and nobody else's answers.
#include "support/VociDiProva.h"

#include "common/reports/PaginaAlunno.h"

#include <QtTest>

using namespace VociDiProva;

namespace {

const IntervalloDate inverno({2026, 12, 1}, {2027, 1, 31});

// Anna across New Year's: Sunday 27 December late, then Thursday 31 and
// Saturday 2 January (week 53 of 2026), Monday 4 January (week 1 of 2027).
// Luca on the same days.
QList<VoceRegistro> capodanno() {
    QList<VoceRegistro> voci;
    for (const QString& chi : {classe[0], classe[1]}) {
        voci << voce({chi, 2, alle({2026, 12, 27}, QTime(23, 30)), true, true})
             << voce({chi, 2, alle({2026, 12, 31}, QTime(10, 0)), true, true})
             << voce({chi, 8, alle({2027, 1, 2}, QTime(0, 10)), false, true})
             << voce({chi, 2, alle({2027, 1, 2}, QTime(0, 11)), true, false})
             << voce({chi, 8, alle({2027, 1, 4}, QTime(0, 0)), true, false});
    }
    return voci;
}

} // namespace

class tst_PaginaAlunno : public QObject {
    Q_OBJECT

private slots:
    void aWeekAcrossNewYearIsOneWeek() {
        const PaginaAlunno p = PaginaAlunno::calcola(capodanno(), classe[0], inverno);
        QCOMPARE(p.settimane.size(), 3);
        const PaginaAlunno::Settimana& s = p.settimane[1];
        QCOMPARE(s.anno, 2026);
        QCOMPARE(s.numero, 53);
        QCOMPARE(s.lunedi, QDate(2026, 12, 28));
        QCOMPARE(s.conteggi.risposte, 3);
        QCOMPARE(p.settimane[0].numero, 52);
        QCOMPARE(p.settimane[2].anno, 2027);
        QCOMPARE(p.settimane[2].numero, 1);
        QCOMPARE(p.settimane[2].lunedi, QDate(2027, 1, 4));
        QCOMPARE(s.nome(), QStringLiteral("settimana 53, dal 28/12/2026"));
    }

    void eachExerciseHasItsWeeksAndWords() {
        const PaginaAlunno p = PaginaAlunno::calcola(capodanno(), classe[0], inverno);
        QCOMPARE(p.esercizi.size(), 2);
        QCOMPARE(p.esercizi[0].numero, 2);
        QCOMPARE(p.esercizi[0].titolo, QStringLiteral("Trova la rotazione - 1"));
        QCOMPARE(p.esercizi[0].tutti.risposte, 3);
        QCOMPARE(p.esercizi[0].settimane.size(), 2);
        QCOMPARE(p.esercizi[1].numero, 8);
        QCOMPARE(p.esercizi[1].settimane[0].numero, 53);
        QCOMPARE(p.esercizi[1].settimane[1].numero, 1);
        QCOMPARE(p.tutti.risposte, 5);
    }

    // The last week has no first try: no point, rather than a false 0%.
    void theChartHasAPointPerWeekWithAFirstTry() {
        const QList<PaginaAlunno::Punto> punti =
            PaginaAlunno::calcola(capodanno(), classe[0], inverno).serie();
        QCOMPARE(punti.size(), 2);
        QCOMPARE(punti[0].lunedi, QDate(2026, 12, 21));
        QCOMPARE(punti[0].percentuale, 100.0);
        QCOMPARE(punti[1].percentuale, 50.0);
        QCOMPARE(punti[1].primi, 2);
    }

    // FormEs8's first tries: one, wrong, in week 53; FormEs3 has none.
    void anExercisesChartHasItsOwnWeeks() {
        const PaginaAlunno p = PaginaAlunno::calcola(capodanno(), classe[0], inverno);
        const QList<PaginaAlunno::Punto> punti = p.serie(8);
        QCOMPARE(punti.size(), 1);
        QCOMPARE(punti[0].lunedi, QDate(2026, 12, 28));
        QCOMPARE(punti[0].percentuale, 0.0);
        QVERIFY(p.serie(3).isEmpty());
    }

    void theRangeAndThePupilChooseTheAnswers() {
        const PaginaAlunno p = PaginaAlunno::calcola(capodanno(), classe[0],
                                                     IntervalloDate({2027, 1, 1}, {2027, 1, 4}));
        QCOMPARE(p.tutti.risposte, 3);
        QCOMPARE(PaginaAlunno::calcola(capodanno(), classe[2], inverno).settimane.size(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_PaginaAlunno)
#include "tst_PaginaAlunno.moc"
