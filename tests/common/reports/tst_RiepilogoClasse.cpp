// SPDX-License-Identifier: GPL-3.0-or-later
// The class's answers per pupil and exercise in a range: counts, the share
// right at the first try, the last day, and the pupils' order.
#include "support/VociDiProva.h"

#include "common/reports/RiepilogoClasse.h"

#include <QtTest>

using namespace VociDiProva;
using Periodo = IntervalloDate::Periodo;

namespace {

RiepilogoClasse nel(Periodo p, const QList<VoceRegistro>& voci = settimana()) {
    return RiepilogoClasse::calcola(voci, classe, IntervalloDate::periodo(p, oggi));
}

} // namespace

class tst_RiepilogoClasse : public QObject {
    Q_OBJECT

private slots:
    void todayCountsTodaysAnswersOnly() {
        const RiepilogoClasse r = nel(Periodo::Oggi);
        const ConteggiRisposte& anna = r.alunni[0].esercizi[1];
        QCOMPARE(anna.risposte, 4);
        QCOMPARE(anna.primi, 3);
        QCOMPARE(anna.primiGiusti, 2);
        QCOMPARE(*anna.quota(), 2.0 / 3);
        QCOMPARE(r.alunni[0].ultimiGiorni[1], oggi);
        QCOMPARE(r.alunni[0].esercizi[13].risposte, 0);
        QVERIFY(!r.alunni[0].ultimiGiorni[13].isValid());
        QCOMPARE(r.alunni[1].tutti.risposte, 0);
    }

    void theWeekAddsYesterdayAndTomorrowAndTheTotals() {
        const RiepilogoClasse r = nel(Periodo::Settimana);
        const RiepilogoClasse::Alunno& anna = r.alunni[0];
        QCOMPARE(anna.esercizi[1].risposte, 5);
        QCOMPARE(anna.esercizi[13].risposte, 1);
        QCOMPARE(anna.ultimiGiorni[13], oggi.addDays(-1));
        QCOMPARE(anna.tutti.risposte, 6);
        QCOMPARE(anna.tutti.primi, 5);
        QCOMPARE(anna.tutti.primiGiusti, 3);
        QCOMPARE(anna.ultimoGiorno, oggi.addDays(1));
    }

    void theMonthStartsAtItsFirstMidnight() {
        const RiepilogoClasse r = nel(Periodo::Mese);
        QCOMPARE(r.alunni[1].esercizi[1].risposte, 1);
        QCOMPARE(*r.alunni[1].esercizi[1].quota(), 0.0);
        QCOMPARE(r.alunni[1].ultimoGiorno, QDate(2026, 12, 1));
    }

    // The list's order, a pupil with nothing kept, one off the list after
    // them; a pupil starting is no answer.
    void everyPupilHasARowInTheListsOrder() {
        const RiepilogoClasse r = nel(Periodo::Oggi);
        QCOMPARE(r.alunni.size(), 4);
        QCOMPARE(r.alunni[2].nome, classe[2]);
        QCOMPARE(r.alunni[2].tutti, ConteggiRisposte{});
        QCOMPARE(r.alunni[3].nome, QStringLiteral("Marco Neri"));
        QCOMPARE(r.alunni[3].esercizi[4].risposte, 1);
    }

    void aWindowThatIsNoExerciseIsLeftOut() {
        QList<VoceRegistro> voci;
        for (const char* nome : {"FormEs16", "FormEs0", "FormEs02", "FormMenu", "formes2"}) {
            VoceRegistro v = voce({classe[0], 2, alle(oggi, QTime(9, 0))});
            v.finestra = QString::fromLatin1(nome);
            voci << v;
        }
        voci << voce({classe[0], 15, alle(oggi, QTime(9, 0))});
        const RiepilogoClasse r = nel(Periodo::Oggi, voci);
        QCOMPARE(r.alunni[0].tutti.risposte, 1);
        QCOMPARE(r.alunni[0].esercizi[14].risposte, 1);
    }
};

QTEST_GUILESS_MAIN(tst_RiepilogoClasse)
#include "tst_RiepilogoClasse.moc"
