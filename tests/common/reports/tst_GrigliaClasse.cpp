// SPDX-License-Identifier: GPL-3.0-or-later
// The class at a glance as a table: what a cell shows for each measure,
// sorting by numbers and days rather than their text, and the heads.
#include "support/VociDiProva.h"

#include "common/reports/GrigliaClasse.h"

#include <QSortFilterProxyModel>
#include <QtTest>

using namespace VociDiProva;
using Misura = GrigliaClasse::Misura;

namespace {

// Anna 10 answers of FormEs3 on 10 November, Luca 2 on 9 December, Zoe 9
// on 1 December; Luca's have no first try.
QList<VoceRegistro> perOrdinare() {
    QList<VoceRegistro> voci;
    const auto molte = [&](const QString& chi, int quante, QDate giorno, bool primo) {
        for (int i = 0; i < quante; ++i)
            voci << voce({chi, 3, alle(giorno, QTime(10, i)), i % 2 == 0, primo});
    };
    molte(classe[0], 10, {2026, 11, 10}, true);
    molte(classe[1], 2, {2026, 12, 9}, false);
    molte(classe[2], 9, {2026, 12, 1}, true);
    return voci;
}

// The pupils' names down the sorted column of FormEs3.
QStringList ordinati(Misura misura, Qt::SortOrder verso = Qt::AscendingOrder) {
    GrigliaClasse griglia;
    griglia.imposta(RiepilogoClasse::calcola(
        perOrdinare(), classe,
        IntervalloDate::periodo(IntervalloDate::Periodo::AnnoScolastico, oggi)));
    griglia.setMisura(misura);
    QSortFilterProxyModel ordine;
    ordine.setSourceModel(&griglia);
    ordine.setSortRole(GrigliaClasse::RuoloOrdine);
    ordine.sort(3, verso);
    QStringList nomi;
    for (int r = 0; r < ordine.rowCount(); ++r)
        nomi << ordine.index(r, GrigliaClasse::colonnaAlunno).data().toString();
    return nomi;
}

} // namespace

class tst_GrigliaClasse : public QObject {
    Q_OBJECT

private slots:
    void aCellShowsTheChosenMeasure() {
        GrigliaClasse griglia;
        griglia.imposta(RiepilogoClasse::calcola(
            settimana(), classe, IntervalloDate::periodo(IntervalloDate::Periodo::Oggi, oggi)));
        QCOMPARE(griglia.rowCount(), 4);
        QCOMPARE(griglia.columnCount(), 17);
        const QModelIndex anna = griglia.index(0, 2);
        QCOMPARE(anna.data().toString(), QStringLiteral("4"));
        QCOMPARE(griglia.index(0, GrigliaClasse::colonnaAlunno).data().toString(), classe[0]);
        QCOMPARE(griglia.index(0, GrigliaClasse::colonnaTutti).data().toString(),
                 QStringLiteral("4"));
        griglia.setMisura(Misura::Quota);
        QCOMPARE(anna.data().toString(), QStringLiteral("67%"));
        QCOMPARE(griglia.index(0, 14).data().toString(), QStringLiteral("–"));
        griglia.setMisura(Misura::UltimoGiorno);
        QCOMPARE(anna.data().toString(), QStringLiteral("10/12/2026"));
        QCOMPARE(anna.data(GrigliaClasse::RuoloRisposte).toInt(), 4);
        QCOMPARE(anna.data(GrigliaClasse::RuoloQuota).toDouble(), 2.0 / 3);
        QVERIFY(!griglia.index(0, 14).data(GrigliaClasse::RuoloQuota).isValid());
        const QString detto = anna.data(Qt::AccessibleTextRole).toString();
        QVERIFY2(detto.contains("Anna Bianchi") && detto.contains("Trova la rotazione - 1") &&
                     detto.contains("4 risposte") && detto.contains("67%"),
                 qPrintable(detto));
    }

    void answersSortAsNumbers() {
        QCOMPARE(ordinati(Misura::Risposte), QStringList({classe[1], classe[2], classe[0]}));
        QCOMPARE(ordinati(Misura::Risposte, Qt::DescendingOrder),
                 QStringList({classe[0], classe[2], classe[1]}));
    }

    // Anna 5 of 10 and Zoe 5 of 9 right; Luca, with no first try, last.
    void sharesSortAsNumbersWithNoneBelowNought() {
        QCOMPARE(ordinati(Misura::Quota), QStringList({classe[1], classe[0], classe[2]}));
    }

    // As text, 10/11 would come after 09/12 and 01/12.
    void lastDaysSortAsDays() {
        QCOMPARE(ordinati(Misura::UltimoGiorno), QStringList({classe[0], classe[2], classe[1]}));
    }

    void theHeadsNameTheExercises() {
        GrigliaClasse griglia;
        QCOMPARE(griglia.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Es. 2"));
        QCOMPARE(griglia.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Trova la rotazione - 1"));
        QCOMPARE(griglia.headerData(15, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Trova la simmetria - asse diagonale - 2"));
        QCOMPARE(griglia.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Alunno"));
    }
};

QTEST_GUILESS_MAIN(tst_GrigliaClasse)
#include "tst_GrigliaClasse.moc"
