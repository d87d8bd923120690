// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line: the program's options, the toolkit's own that
// pass through, and a one-line reason for anything else.

#include "app/ArgomentiSistema.h"
#include "app/AzioniRiga.h"
#include "app/RigaComando.h"

#include "common/class_figures/FigureClasse.h"

#include <QtTest>

#include <filesystem>

using RigaComando::Azione;

Q_DECLARE_METATYPE(RigaComando::Azione)

class tst_RigaComando : public QObject {
    Q_OBJECT

private slots:
    // The parser writes nothing of its own, not even a warning.
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

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
        QTest::newRow("toolkit options, other spellings")
            << QStringList{"--platform", "xcb", "-display=:1", "--reverse"} << Azione::Programma
            << "";
        QTest::newRow("toolkit option with = though it takes no value")
            << QStringList{"-qmljsdebugger=port:1234"} << Azione::Programma << "";
        QTest::newRow("help as an option's value")
            << QStringList{"--nuova-figura", "-h"} << Azione::Aiuto << "";
        QTest::newRow("own option with one dash") << QStringList{"-figure"} << Azione::Figure << "";
        QTest::newRow("unknown option named as written")
            << QStringList{"-colori=5"} << Azione::Errore << "opzione sconosciuta: -colori=5";
        QTest::newRow("a value for an option that takes none")
            << QStringList{"--platform=xcb", "--figure=1"} << Azione::Errore
            << "opzione sconosciuta: --figure=1";
        QTest::newRow("an option in the file's place")
            << QStringList{"--nuova-figura", "--lettera", "b"} << Azione::Errore
            << "--nuova-figura vuole il file del disegno";
        QTest::newRow("a letter given twice")
            << QStringList{"--lettera", "a", "--nuova-figura", "x.png", "--lettera", "b"}
            << Azione::Errore << "--lettera va data una volta sola";
        QTest::newRow("a long argument quoted short")
            << QStringList{"--" + QString(5000, 'x')} << Azione::Errore
            << "opzione sconosciuta: --" + QString(78, 'x') + "... (";
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
            QCOMPARE(QString(scelta.lettera) + ' ' + QFile::decodeName(scelta.disegno), dettaglio);
        }
        QCOMPARE(scelta.schermoIntero, argomenti.contains("--schermo-intero"));
    }

    // A drawing whose path is not valid UTF-8 (a Latin-1 "è" in the file's
    // name or a folder's) is read by its bytes and saved.
    void pathNotInUtf8IsSaved_data() {
        QTest::addColumn<QByteArray>("nome");
        QTest::addColumn<bool>("uguale"); // --nuova-figura=PATH
        QTest::newRow("file") << QByteArray("dis\xe8gno.svg") << false;
        QTest::newRow("folder, after =") << QByteArray("cart\xe8lla/disegno.svg") << true;
    }
    void pathNotInUtf8IsSaved() {
#ifdef VORTELIA_PORTABLE
        QSKIP("the Qt-alone layer is for systems whose file names are always text");
#endif
        QFETCH(QByteArray, nome);
        QFETCH(bool, uguale);
        QTemporaryDir casa;
        const QByteArray percorso = QFile::encodeName(casa.path()) + '/' + nome;
        const std::filesystem::path file(percorso.toStdString());
        // Qt cannot name what it has to delete: the system's own calls do.
        const auto via = qScopeGuard(
            [&] { std::filesystem::remove_all(QFile::encodeName(casa.path()).toStdString()); });
        std::filesystem::create_directories(file.parent_path());
        QVERIFY(
            std::filesystem::copy_file(VORTELIA_SOURCE_DIR "/tests/e2e/disegni/barca.svg", file));
        const QList<QByteArray> argomenti =
            uguale ? QList<QByteArray>{"--nuova-figura=" + percorso, "--lettera", "b"}
                   : QList<QByteArray>{"--lettera", "b", "--nuova-figura", percorso};
        const RigaComando::Scelta scelta = ArgomentiSistema::leggi(argomenti);
        QCOMPARE(scelta.disegno, percorso);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const FigureClasse classe(casa.filePath("dati"), {});
        QCOMPARE(AzioniRiga::esegui(scelta, classe, outStream, errStream), 0);
        errStream.flush();
        QCOMPARE(err, QString());
        QCOMPARE(classe.origine('b'), FigureClasse::Origine::Insegnante);
    }

    void wrongLineGivesOneLineAndStatusTwo() {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int stato = AzioniRiga::esegui(RigaComando::leggi({"--nonesiste"}),
                                              FigureClasse({}, {}), outStream, errStream);
        outStream.flush();
        errStream.flush();
        QCOMPARE(stato, 2);
        QCOMPARE(
            err,
            "vortelia: opzione sconosciuta: --nonesiste (vortelia --help elenca le opzioni)\n");
        QCOMPARE(out, QString());
    }
};

QTEST_GUILESS_MAIN(tst_RigaComando)
#include "tst_RigaComando.moc"
