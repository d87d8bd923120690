// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV files: byte-order mark, semicolons, CRLF, decimal commas, ISO
// moments, formulas neutralised, quotes doubled, a name with a semicolon
// and a line end, a device that fails; and, where LibreOffice is installed,
// Calc with Italian settings reading numbers as numbers and dates as dates.
#include "support/VociDiProva.h"

#include "common/reports/EsportaCsv.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QUuid>
#include <QtTest>

using namespace VociDiProva;

namespace {

const IntervalloDate settimanaDiOggi =
    IntervalloDate::periodo(IntervalloDate::Periodo::Settimana, oggi);

QByteArray risposte(const QList<VoceRegistro>& voci) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    const QString motivo = EsportaCsv::risposte(b, voci, settimanaDiOggi);
    if (!motivo.isEmpty())
        qWarning("%s", qPrintable(motivo));
    return b.data();
}

QByteArray griglia() {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    EsportaCsv::griglia(b, RiepilogoClasse::calcola(settimana(), classe, settimanaDiOggi));
    return b.data();
}

// The lines without the mark and their CRLF.
QList<QByteArray> righe(const QByteArray& csv) {
    QList<QByteArray> r = csv.mid(3).split('\n');
    r.removeLast();
    for (QByteArray& riga : r)
        riga.chop(1);
    return r;
}

// Takes `spazio` bytes, then fails as a full disk does.
class DiscoPieno : public QIODevice {
public:
    explicit DiscoPieno(qint64 spazio) : spazio_(spazio) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 n) override {
        if (n > spazio_) {
            setErrorString(QStringLiteral("spazio esaurito"));
            return -1;
        }
        spazio_ -= n;
        return n;
    }

private:
    qint64 spazio_;
};

} // namespace

class tst_EsportaCsv : public QObject {
    Q_OBJECT

private slots:
    void markSemicolonsAndCrlf() {
        const QByteArray csv = risposte(settimana());
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                               "data;alunno;esercizio;titolo;lettera;figura_classe;"
                               "mostrato;scelto;esito;primo_tentativo;secondi;id\r\n"));
        QCOMPARE(csv.count("\r\n"), 8);
        QCOMPARE(csv.count('\n'), 8);
        QVERIFY(csv.endsWith("\r\n"));
    }

    void anAnswerIsOneRowOldestFirst() {
        const QList<QByteArray> r = righe(risposte(settimana()));
        QCOMPARE(r.size(), 8);
        QVERIFY(r[1].startsWith("2026-12-09 23:59:59;Anna Bianchi;FormEs14;"
                                "Trova la simmetria - asse diagonale - 1;b;no;"
                                "rotazione di 90° in senso orario;3;giusta;sì;2,5;"));
        QCOMPARE(r[1].split(';').last(),
                 QUuid::fromRfc4122(settimana()[5].id).toByteArray(QUuid::WithoutBraces));
        QVERIFY(r[3].startsWith("2026-12-10 09:15:00;Anna Bianchi;FormEs2;"));
        QVERIFY(r[3].contains(";sbagliata;sì;"));
        QVERIFY(r[7].startsWith("2026-12-11 00:00:00;"));
    }

    void secondsHaveADecimalComma() {
        QList<VoceRegistro> voci;
        for (qint32 ms : {2500, 12000, 1234, 60})
            voci << voce({classe[0], 2, alle(oggi, QTime(9, 0)), true, true, ms});
        QList<QByteArray> secondi;
        for (const QByteArray& riga : righe(risposte(voci)).mid(1))
            secondi << riga.split(';').at(10);
        QCOMPARE(secondi, QList<QByteArray>({"2,5", "12", "1,234", "0,06"}));
    }

    void aFormulaIsNeutralised_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("cella");
        QTest::newRow("=") << "=SOMMA(A1:A9)" << QByteArray("'=SOMMA(A1:A9)");
        QTest::newRow("+") << "+39 333" << QByteArray("'+39 333");
        QTest::newRow("-") << "-1+1" << QByteArray("'-1+1");
        QTest::newRow("@") << "@SOMMA(1)" << QByteArray("'@SOMMA(1)");
        QTest::newRow("tab") << "\t=1" << QByteArray("'\t=1");
        QTest::newRow("CR") << "\r=1" << QByteArray("\"'\r=1\"");
        QTest::newRow("inside") << "Anna=1" << QByteArray("Anna=1");
        QTest::newRow("quotes") << "Anna \"la rossa\"" << QByteArray("\"Anna \"\"la rossa\"\"\"");
        QTest::newRow("; and line end") << "Rossi; Luca\nB" << QByteArray("\"Rossi; Luca\nB\"");
    }
    void aFormulaIsNeutralised() {
        QFETCH(QString, nome);
        QFETCH(QByteArray, cella);
        QCOMPARE(EsportaCsv::testo(nome), cella);
        const QByteArray csv = risposte({voce({nome, 2, alle(oggi, QTime(9, 0))})});
        QVERIFY(csv.contains("\r\n2026-12-10 09:00:00;" + cella + ";FormEs2;"));
    }

    void theGridHasThreeColumnsPerExercise() {
        const QList<QByteArray> r = righe(griglia());
        QCOMPARE(r.size(), 5);
        const QList<QByteArray> testa = r[0].split(';');
        QCOMPARE(testa.size(), 1 + 3 * 16);
        QCOMPARE(testa[4], QByteArray("FormEs2 risposte"));
        QCOMPARE(testa[5], QByteArray("FormEs2 giuste al primo tentativo %"));
        QCOMPARE(testa[6], QByteArray("FormEs2 ultimo giorno"));
        const QList<QByteArray> anna = r[1].split(';');
        QCOMPARE(anna[0], QByteArray("Anna Bianchi"));
        QCOMPARE(anna.mid(4, 3), QList<QByteArray>({"5", "50", "2026-12-11"}));
        QCOMPARE(anna.mid(46, 3), QList<QByteArray>({"6", "60", "2026-12-11"}));
        QCOMPARE(r[2].split(';').mid(4, 3), QList<QByteArray>({"0", "", ""}));
        QCOMPARE(r[4].split(';').at(0), QByteArray("Marco Neri"));
    }

    void aShareHasADecimalComma() {
        QList<VoceRegistro> voci;
        for (bool giusta : {true, true, false})
            voci << voce({classe[0], 2, alle(oggi, QTime(9, 0)), giusta, true});
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        EsportaCsv::griglia(b, RiepilogoClasse::calcola(voci, classe, settimanaDiOggi));
        QCOMPARE(righe(b.data())[1].split(';').at(5), QByteArray("66,667"));
    }

    void aFailedWriteIsSaid() {
        DiscoPieno disco(100);
        const QString motivo = EsportaCsv::risposte(disco, settimana(), settimanaDiOggi);
        QVERIFY2(motivo.contains("non si è potuto scrivere") && motivo.contains("spazio esaurito"),
                 qPrintable(motivo));
        QBuffer chiuso;
        QVERIFY(!EsportaCsv::griglia(chiuso, RiepilogoClasse::calcola({}, classe, settimanaDiOggi))
                     .isEmpty());
    }

    // Calc, as the Italian import dialog opens the file, writes a flat
    // spreadsheet: what type did each cell get?
    void calcReadsNumbersAndDates() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed");
        QTemporaryDir dir;
        QFile csv(dir.filePath(QStringLiteral("risposte.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        QList<VoceRegistro> voci = settimana();
        voci << voce({QStringLiteral("=1+1"), 3, alle(oggi, QTime(11, 0)), true, true, 1234});
        voci.last().id = QByteArray(16, '\0');
        QCOMPARE(EsportaCsv::risposte(csv, voci, settimanaDiOggi), QString());
        csv.close();
        QProcess calc;
        calc.setWorkingDirectory(dir.path());
        calc.start(soffice,
                   {QStringLiteral("-env:UserInstallation=") +
                        QUrl::fromLocalFile(dir.filePath(QStringLiteral("profilo"))).toString(),
                    QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:59,34,76,1,,1040"),
                    QStringLiteral("--convert-to"), QStringLiteral("fods"),
                    QStringLiteral("--outdir"), dir.path(), csv.fileName()});
        QVERIFY(calc.waitForFinished(300000));
        QFile fods(dir.filePath(QStringLiteral("risposte.fods")));
        QVERIFY2(fods.open(QIODevice::ReadOnly), calc.readAllStandardError().constData());
        const QString foglio = QString::fromUtf8(fods.readAll());
        // 2026-12-10 09:15:00 as a moment, 2,5 as a number, the name as text.
        QVERIFY(foglio.contains(QStringLiteral("office:value-type=\"date\" "
                                               "office:date-value=\"2026-12-10T09:15:00\"")));
        QVERIFY(
            foglio.contains(QStringLiteral("office:value-type=\"float\" office:value=\"2.5\"")));
        QVERIFY(
            foglio.contains(QStringLiteral("office:value-type=\"float\" office:value=\"1.234\"")));
        QVERIFY(foglio.contains(QStringLiteral("<text:p>&apos;=1+1</text:p>")) ||
                foglio.contains(QStringLiteral("<text:p>'=1+1</text:p>")));
        QVERIFY(!foglio.contains(QStringLiteral("of:=1+1")));
        // An entry's bytes all zero stay text, not the number 0.
        QVERIFY(foglio.contains(
            QStringLiteral("<text:p>00000000-0000-0000-0000-000000000000</text:p>")));
        QVERIFY(!foglio.contains(QStringLiteral("office:value-type=\"float\" office:value=\"0\"")));
    }
};

QTEST_GUILESS_MAIN(tst_EsportaCsv)
#include "tst_EsportaCsv.moc"
