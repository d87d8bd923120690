// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's page of the record: the exercises and the weeks of the one
// chosen, the chart's bars, the PDF saved, back, the keyboard and names.
#include "support/TestMain.h"
#include "support/VociDiProva.h"
#include "support/Windows.h"

#include "app/teacher/record/PaginaAlunnoRegistro.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace VociDiProva;

namespace {

const IntervalloDate settimanaDiOggi =
    IntervalloDate::periodo(IntervalloDate::Periodo::Settimana, oggi);

PaginaAlunno anna() {
    return PaginaAlunno::calcola(settimana(), classe[0], settimanaDiOggi);
}

// Allievo 01 over the school year: a week a bar.
PaginaAlunno allievo() {
    return PaginaAlunno::calcola(
        annoDiTrenta(3), trenta()[0],
        IntervalloDate::periodo(IntervalloDate::Periodo::AnnoScolastico, oggi));
}

} // namespace

class tst_PaginaAlunnoRegistro : public QObject {
    Q_OBJECT

private slots:
    void aRowPerExerciseAndTheChosenOnesWeeks() {
        PaginaAlunnoRegistro p(anna(), {});
        QCOMPARE(p.Esercizi->rowCount(), 3);
        QCOMPARE(p.Esercizi->item(0, 0)->text(), QStringLiteral("Tutti gli esercizi"));
        QCOMPARE(p.Esercizi->item(0, 1)->text(), QStringLiteral("6"));
        QCOMPARE(p.Esercizi->item(1, 0)->text(), QStringLiteral("Es. 2: Trova la rotazione - 1"));
        QCOMPARE(p.Esercizi->item(1, 2)->text(), QStringLiteral("50%"));
        QCOMPARE(p.Esercizi->item(2, 3)->text(), QStringLiteral("09/12/2026"));
        QCOMPARE(p.Settimane->rowCount(), 1);
        QCOMPARE(p.Settimane->item(0, 1)->text(), QStringLiteral("6"));
        p.Esercizi->setCurrentCell(2, 0);
        QCOMPARE(p.Settimane->item(0, 0)->text(), QStringLiteral("settimana 50, dal 07/12/2026"));
        QCOMPARE(p.Settimane->item(0, 1)->text(), QStringLiteral("1"));
    }

    void theChartHasABarAWeek() {
        const PaginaAlunno pagina = allievo();
        PaginaAlunnoRegistro p(pagina, {});
        const auto* barre = qobject_cast<QBarSeries*>(p.Grafico->chart()->series().first());
        QVERIFY(barre);
        const QList<PaginaAlunno::Punto> punti = pagina.serie();
        QCOMPARE(barre->barSets().first()->count(), punti.size());
        QCOMPARE(barre->barSets().first()->at(3), punti[3].percentuale);
        QVERIFY(p.Grafico->accessibleDescription().contains(
            QStringLiteral("settimana dal 21/09/2026")));
    }

    // Anna's week: 60% right at the first try in all, 100% in FormEs14.
    void theChartFollowsTheExerciseChosen() {
        PaginaAlunnoRegistro p(anna(), {});
        const QBarSet* barre =
            qobject_cast<QBarSeries*>(p.Grafico->chart()->series().first())->barSets().first();
        QCOMPARE(barre->count(), 1);
        QCOMPARE(barre->at(0), 60.0);
        p.Esercizi->setCurrentCell(2, 0);
        QCOMPARE(barre->count(), 1);
        QCOMPARE(barre->at(0), 100.0);
        QVERIFY(p.Grafico->chart()->title().endsWith(QStringLiteral("Es. 14")));
    }

    void printSavesThePdf() {
        QTemporaryDir dir;
        PaginaAlunnoRegistro p(anna(), QStringLiteral("Classe 3ª B"));
        QString proposto;
        p.setSceltaFile([&](QWidget*, const QString& nome) {
            proposto = nome;
            return dir.filePath(nome);
        });
        QTest::mouseClick(p.BottoneStampa, Qt::LeftButton);
        QCOMPARE(proposto, QStringLiteral("Anna Bianchi.pdf"));
        QFile pdf(dir.filePath(proposto));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        QVERIFY(p.Esito->text().startsWith(QStringLiteral("Pagina di Anna Bianchi salvata in ")));
    }

    void backByTheButtonOrBackspace() {
        PaginaAlunnoRegistro p(anna(), {});
        QSignalSpy indietro(&p, &PaginaAlunnoRegistro::indietro);
        p.show();
        QVERIFY(Windows::activate(&p));
        QTest::mouseClick(p.BottoneIndietro, Qt::LeftButton);
        p.BottoneStampa->setFocus();
        QTest::keyClick(p.BottoneStampa, Qt::Key_Backspace);
        QCOMPARE(indietro.count(), 2);
    }

    void theKeyboardReachesEveryControlInOrder() {
        PaginaAlunnoRegistro p(anna(), {});
        p.show();
        QVERIFY(Windows::activate(&p));
        const QList<QWidget*> attesi{p.Esercizi, p.Settimane, p.Grafico, p.BottoneStampa,
                                     p.BottoneIndietro};
        QList<QWidget*> visti;
        for (QWidget* w : Windows::tabChain(p.Esercizi))
            for (QWidget* c : attesi)
                if ((w == c || c->isAncestorOf(w)) && !visti.contains(c))
                    visti << c;
        QCOMPARE(visti, attesi);
        QCOMPARE(Windows::unnamed(&p), QStringList());
    }
};

VORTELIA_TEST_MAIN(tst_PaginaAlunnoRegistro)
#include "tst_PaginaAlunnoRegistro.moc"
