// SPDX-License-Identifier: GPL-3.0-or-later
// The council's PDFs: thirty pupils on whole pages, the head again on each,
// the pupil's page with its weeks, the same bytes twice, a failed write.
#include "support/TestMain.h"
#include "support/VociDiProva.h"

#include "common/reports/PdfRegistro.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace VociDiProva;

namespace {

const IntervalloDate anno = IntervalloDate::periodo(IntervalloDate::Periodo::AnnoScolastico, oggi);

QByteArray griglia(const QList<VoceRegistro>& voci) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    const QString motivo = PdfRegistro::griglia(b, RiepilogoClasse::calcola(voci, trenta(), anno),
                                                QStringLiteral("Classe 3ª B"));
    if (!motivo.isEmpty())
        qWarning("%s", qPrintable(motivo));
    return b.data();
}

QByteArray alunno(const QList<VoceRegistro>& voci, const QString& chi) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    PdfRegistro::alunno(b, PaginaAlunno::calcola(voci, chi, anno), QStringLiteral("Classe 3ª B"));
    return b.data();
}

// The text of each page, as pdftotext reads it.
QStringList pagine(const QByteArray& pdf) {
    QTemporaryDir dir;
    QFile f(dir.filePath("r.pdf"));
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    f.close();
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), f.fileName(), QStringLiteral("-")});
    p.waitForFinished(120000);
    QStringList testi = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    testi.removeLast(); // after the last page's form feed
    return testi;
}

} // namespace

class tst_PdfRegistro : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install-deps)");
    }

    // Every pupil once, in order, whole rows only: a page's names follow on
    // from the page before.
    void thirtyPupilsBreakCleanly() {
        const QStringList testi = pagine(griglia(annoDiTrenta()));
        QCOMPARE(testi.size(), 2);
        int prossimo = 1;
        for (const QString& pagina : testi) {
            QVERIFY(pagina.contains("Registro della classe"));
            QVERIFY(pagina.contains("Classe 3ª B · Risposte dal 01/09/2026 al 31/08/2027"));
            QVERIFY(pagina.contains(QRegularExpression("Alunno +Es\\. 1 +Es\\. 2 ")));
            QVERIFY(pagina.contains(QStringLiteral("Pagina %1 di 2").arg(&pagina - &testi[0] + 1)));
            while (pagina.contains(
                QStringLiteral("Allievo %1").arg(prossimo, 2, 10, QLatin1Char('0'))))
                ++prossimo;
        }
        QCOMPARE(prossimo, 31);
        QVERIFY(testi[1].contains("Es. 15: Trova la simmetria - asse diagonale - 2"));
    }

    // Allievo 01 in FormEs1: the days and shares of the fixture.
    void aCellReadsAnswersShareAndLastDay() {
        const RiepilogoClasse r = RiepilogoClasse::calcola(annoDiTrenta(), trenta(), anno);
        const ConteggiRisposte& c = r.alunni[0].esercizi[0];
        const QString atteso =
            QStringLiteral("%1 · %2%").arg(c.risposte).arg(qRound(*c.quota() * 100));
        QVERIFY2(pagine(griglia(annoDiTrenta())).first().contains(atteso), qPrintable(atteso));
    }

    void thePupilsPageHasItsExercisesAndWeeks() {
        const QStringList testi = pagine(alunno(annoDiTrenta(3), QStringLiteral("Allievo 02")));
        QVERIFY2(testi.size() > 2, qPrintable(QString::number(testi.size())));
        const QString tutto = testi.join('\n');
        QVERIFY(tutto.contains("Esercizio per esercizio"));
        QVERIFY(tutto.contains("Es. 4: Indica il tipo di rotazione"));
        QVERIFY(tutto.contains("settimana 50, dal 07/12/2026"));
        QVERIFY(tutto.contains("Giuste al primo tentativo, settimana per settimana"));
        for (qsizetype i = 0; i < testi.size(); ++i) {
            QVERIFY(testi[i].trimmed().startsWith("Allievo 02"));
            QVERIFY(
                testi[i].contains(QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(testi.size())));
        }
    }

    void aPupilWithNothingHasOnePage() {
        const QStringList testi = pagine(alunno({}, QStringLiteral("Zoe Verdi")));
        QCOMPARE(testi.size(), 1);
        QVERIFY(testi[0].contains("Nessuna risposta nel periodo."));
    }

    void theSameDataGiveTheSameBytes() {
        const QList<VoceRegistro> voci = annoDiTrenta();
        const QByteArray a = griglia(voci);
        QVERIFY(a.startsWith("%PDF"));
        QCOMPARE(griglia(voci), a);
        QCOMPARE(alunno(voci, trenta()[4]), alunno(voci, trenta()[4]));
    }

    void aFailedWriteIsSaid() {
        QBuffer chiuso;
        QVERIFY(PdfRegistro::griglia(chiuso, RiepilogoClasse::calcola({}, trenta(), anno), {})
                    .contains("non è aperto"));
    }
};

VORTELIA_TEST_MAIN(tst_PdfRegistro)
#include "tst_PdfRegistro.moc"
