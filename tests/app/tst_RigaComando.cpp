// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line: the program's options, the toolkit's own that
// pass through, and a one-line reason for anything else.

#include "app/RigaComando.h"

#include <QtTest>

using RigaComando::Azione;

Q_DECLARE_METATYPE(RigaComando::Azione)

class tst_RigaComando : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<Azione>("azione");
        QTest::addColumn<QString>("dettaglio"); // the letter and drawing, or words of the error
        QTest::newRow("nothing") << QStringList{} << Azione::Programma << "";
        QTest::newRow("whiteboard") << QStringList{"--schermo-intero"} << Azione::Programma << "";
        QTest::newRow("toolkit options pass")
            << QStringList{"-platform", "xcb", "--display=:1", "-reverse", "--style", "Fusion"}
            << Azione::Programma << "";
        QTest::newRow("teacher's window")
            << QStringList{"--figure", "--schermo-intero"} << Azione::Figure << "";
        QTest::newRow("help wins") << QStringList{"--sconosciuta", "--help"} << Azione::Aiuto << "";
        QTest::newRow("new figure")
            << QStringList{"--lettera", "Q", "--nuova-figura", "/tmp/a b.png"}
            << Azione::NuovaFigura << "q /tmp/a b.png";
        QTest::newRow("remove") << QStringList{"--togli-figura", "z"} << Azione::TogliFigura
                                << "z ";
        QTest::newRow("list") << QStringList{"--elenca-figure"} << Azione::ElencaFigure << "";
        QTest::newRow("unknown option")
            << QStringList{"--colori"} << Azione::Errore << "opzione sconosciuta: --colori";
        QTest::newRow("stray word")
            << QStringList{"figure"} << Azione::Errore << "argomento sconosciuto: figure";
        QTest::newRow("figure without letter")
            << QStringList{"--nuova-figura", "a.png"} << Azione::Errore << "vuole anche --lettera";
        QTest::newRow("letter without figure")
            << QStringList{"--lettera", "a"} << Azione::Errore << "va con --nuova-figura";
        QTest::newRow("two letters")
            << QStringList{"--togli-figura", "ab"} << Azione::Errore << "vuole una lettera";
        QTest::newRow("not a letter")
            << QStringList{"--togli-figura", "è"} << Azione::Errore << "vuole una lettera";
        QTest::newRow("two actions") << QStringList{"--elenca-figure", "--togli-figura", "a"}
                                     << Azione::Errore << "una sola azione";
        QTest::newRow("toolkit option without its value")
            << QStringList{"-platform"} << Azione::Errore << "manca il valore";
    }
    void options() {
        QFETCH(QStringList, argomenti);
        QFETCH(Azione, azione);
        QFETCH(QString, dettaglio);
        const RigaComando::Scelta scelta = RigaComando::leggi(argomenti);
        QCOMPARE(scelta.azione, azione);
        if (azione == Azione::Errore) {
            QVERIFY2(scelta.errore.contains(dettaglio), qPrintable(scelta.errore));
            QVERIFY(!scelta.errore.contains('\n'));
        } else if (!dettaglio.isEmpty()) {
            QCOMPARE(QString(scelta.lettera) + ' ' + scelta.disegno, dettaglio);
        }
        QCOMPARE(scelta.schermoIntero, argomenti.contains("--schermo-intero"));
    }
};

QTEST_GUILESS_MAIN(tst_RigaComando)
#include "tst_RigaComando.moc"
