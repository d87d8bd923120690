// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force: the teacher's over the school's over the defaults,
// the school's locks, and a warning for everything a file gets wrong.

#include "CartelleProva.h"

#include "common/settings/ChiaviImpostazioni.h"
#include "common/settings/LetturaImpostazioni.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

// The value in force of "gruppo/nome", as a file writes it.
QString inVigore(const Impostazioni& valori, const QString& percorso) {
    for (const ChiaviImpostazioni::Chiave& chiave : ChiaviImpostazioni::tutte())
        if (chiave.percorso() == percorso)
            return ChiaviImpostazioni::testo(chiave, valori);
    return QStringLiteral("(no such key)");
}

// The block the manual shows, trailing comments and all.
const QByteArray manuale = R"([suoni]
attivi=false           ; false: no sound at all
volume=30              ; 0 to 100
[menu]
esercizi=FormEs3, FormEs1, FormEs3   ; the windows whose buttons show
[classe]
schermo_intero=true    ; as --schermo-intero
blocco=true            ; true: pupils cannot quit
[registro]
attivo=true
cartella=/srv/registro ; the record's folder
[figure]
cartella=/srv/Classe 3ª/figure ; a further folder
)";

} // namespace

class tst_LetturaImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void filesAreFoundInTheXdgFolders() {
        const CartelleProva cartelle;
        const FontiImpostazioni fonti = FontiImpostazioni::delSistema();
        QCOMPARE(fonti.insegnante, cartelle.insegnante());
        QCOMPARE(fonti.scuola, (QStringList{cartelle.scuola(0), cartelle.scuola(1)}));
    }

    void noFileGivesTheDefaults() {
        const CartelleProva cartelle;
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.valori, Impostazioni());
        QCOMPARE(lette.dellaScuola, Impostazioni());
        QCOMPARE(lette.avvisi, QStringList());
        QCOMPARE(lette.origini.size(), qsizetype(ChiaviImpostazioni::tutte().size()));
        for (const ImpostazioniLette::Origine& origine : lette.origini) {
            QCOMPARE(origine.file, QString());
            QVERIFY(!origine.bloccata);
        }
    }

    void theManualsBlockReadsAsWritten() {
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(1), manuale);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi, QStringList());
        const Impostazioni atteso{.suoniAttivi = false,
                                  .volume = 30,
                                  .esercizi = {1, 3},
                                  .schermoIntero = true,
                                  .blocco = true,
                                  .registroAttivo = true,
                                  .cartellaRegistro = QStringLiteral("/srv/registro"),
                                  .cartellaFigure = QStringLiteral("/srv/Classe 3ª/figure")};
        QCOMPARE(lette.valori, atteso);
        QCOMPARE(lette.dellaScuola, atteso);
        QCOMPARE(lette.origini.value(QStringLiteral("menu/esercizi")).file, cartelle.scuola(1));
    }

    // Which file's volume holds, whether it is locked, and what the school alone gives.
    void precedence_data() {
        QTest::addColumn<QByteArray>("scuola0");
        QTest::addColumn<QByteArray>("scuola1");
        QTest::addColumn<QByteArray>("insegnante");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("da"); // -1 the default, 0 and 1 the schools, 2 the teacher
        QTest::addColumn<bool>("bloccata");
        QTest::addColumn<int>("dellaScuola");
        const QByteArray v20 = "[suoni]\nvolume=20\n", v30 = "[suoni]\nvolume=30\n",
                         v70 = "[suoni]\nvolume=70\n", b20 = "[suoni]\nvolume[$i]=20\n",
                         b30 = "[suoni]\nvolume[$i]=30\n";
        QTest::newRow("teacher over school") << v20 << v30 << v70 << 70 << 2 << false << 20;
        QTest::newRow("first school over second")
            << v20 << v30 << QByteArray() << 20 << 0 << false << 20;
        QTest::newRow("second school alone")
            << QByteArray() << v30 << QByteArray() << 30 << 1 << false << 30;
        QTest::newRow("lock over teacher") << QByteArray() << b30 << v70 << 30 << 1 << true << 30;
        QTest::newRow("lock over first school") << v20 << b30 << v70 << 30 << 1 << true << 30;
        QTest::newRow("first of two locks") << b20 << b30 << v70 << 20 << 0 << true << 20;
        QTest::newRow("unreadable lock still locks")
            << QByteArray("[suoni]\nvolume[$i]=alto\n") << v30 << v70 << 30 << 1 << true << 30;
        QTest::newRow("unreadable lock, default") << QByteArray("[suoni]\nvolume[$i]=alto\n")
                                                  << QByteArray() << v70 << 100 << 0 << true << 100;
        QTest::newRow("teacher's mark locks nothing")
            << v20 << QByteArray() << QByteArray("[suoni]\nvolume[$i]=70\n") << 70 << 2 << false
            << 20;
    }
    void precedence() {
        QFETCH(QByteArray, scuola0);
        QFETCH(QByteArray, scuola1);
        QFETCH(QByteArray, insegnante);
        QFETCH(int, da);
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(0), scuola0);
        CartelleProva::scrivi(cartelle.scuola(1), scuola1);
        CartelleProva::scrivi(cartelle.insegnante(), insegnante);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QTEST(lette.valori.volume, "volume");
        QTEST(lette.dellaScuola.volume, "dellaScuola");
        const QString file = da < 0    ? QString()
                             : da == 2 ? cartelle.insegnante()
                                       : cartelle.scuola(da);
        QCOMPARE(lette.origini.value(QStringLiteral("suoni/volume")).file, file);
        QTEST(lette.origini.value(QStringLiteral("suoni/volume")).bloccata, "bloccata");
        QCOMPARE(lette.origini.value(QStringLiteral("suoni/attivi")).file, QString());
    }

    // One warning, one line, naming the file and the entry; what the key is
    // then; and the file's other keys still count.
    void problems_data() {
        QTest::addColumn<QByteArray>("scuola");
        QTest::addColumn<QByteArray>("insegnante");
        QTest::addColumn<bool>("dellaScuola"); // the file warned of
        QTest::addColumn<QString>("avviso");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("valore");
        auto riga = [](const char* nome, const QByteArray& testo, const char* avviso,
                       const char* chiave, const char* valore) {
            QTest::newRow(nome) << QByteArray() << testo << false << QString::fromUtf8(avviso)
                                << QString::fromUtf8(chiave) << QString::fromUtf8(valore);
        };
        riga("not ini", "hello world\nanother line\n",
             ": la riga 1 non è né [gruppo] né chiave=valore", "suoni/volume", "100");
        riga("not true or false", "[suoni]\nattivi=forse\n",
             ": [suoni] attivi=forse non è true né false: vale true", "suoni/attivi", "true");
        riga("not a number", "[suoni]\nvolume=alto\n",
             ": [suoni] volume=alto non è un numero intero: vale 100", "suoni/volume", "100");
        riga("out of range", "[suoni]\nvolume=150\n",
             ": [suoni] volume=150 non è tra 0 e 100: vale 100", "suoni/volume", "100");
        riga("no such window", "[menu]\nesercizi=FormEs16\n",
             ": [menu] esercizi=FormEs16 nomina FormEs16, che non è una finestra di esercizio "
             "(sono da FormEs1 a FormEs15): vale tutti gli esercizi",
             "menu/esercizi", "");
        riga("the windows named rightly stay", "[menu]\nesercizi=formes3, FormEs2, FormEs0\n",
             "nomina formes3, FormEs0, che non sono finestre di esercizio", "menu/esercizi",
             "FormEs2");
        riga("unknown key", "[suoni]\nvolumi=3\n",
             ": [suoni] volumi=3 non è una chiave delle impostazioni: ignorata", "suoni/volume",
             "100");
        riga("unknown group", "[audio]\nvolume=3\nattivi=false\n",
             ": [audio] non è un gruppo delle impostazioni: ignorato", "suoni/volume", "100");
        riga("a key outside the groups", "volume=3\n", ": chiavi fuori da ogni gruppo",
             "suoni/volume", "100");
        riga("the teacher's lock mark", "[suoni]\nvolume[$i]=30\n",
             ": [suoni] volume[$i]=30 blocca solo in un file della scuola: qui vale come volume",
             "suoni/volume", "30");
        riga("not utf-8", "[figure]\ncartella=/srv/Classe 3\xaa\n",
             ": [figure] cartella=/srv/Classe 3\uFFFD non è testo UTF-8: vale la cartella dei dati "
             "dell'utente",
             "figure/cartella", "");
        riga("a comma outside quotes", "[figure]\ncartella=/srv/a, b\n",
             ": [figure] cartella=/srv/a, b ha una virgola fuori dalle virgolette",
             "figure/cartella", "");
        riga("a relative folder", "[registro]\ncartella=registro\n",
             ": [registro] cartella=registro non è un percorso assoluto", "registro/cartella", "");
        QTest::newRow("a lock on an unknown key")
            << QByteArray("[suoni]\nvolumi[$i]=3\n") << QByteArray() << true
            << QStringLiteral(": [suoni] volumi[$i]=3 non è una chiave delle impostazioni")
            << QStringLiteral("suoni/volume") << QStringLiteral("100");
        QTest::newRow("the teacher under a lock")
            << QByteArray("[suoni]\nvolume[$i]=30\n") << QByteArray("[suoni]\nvolume=70\n") << false
            << QStringLiteral(": [suoni] volume=70 non conta: la scuola blocca la chiave: vale 30")
            << QStringLiteral("suoni/volume") << QStringLiteral("30");
    }
    void problems() {
        QFETCH(QByteArray, scuola);
        QFETCH(QByteArray, insegnante);
        QFETCH(bool, dellaScuola);
        QFETCH(QString, avviso);
        const CartelleProva cartelle;
        const QString warned = dellaScuola ? cartelle.scuola(0) : cartelle.insegnante();
        const QByteArray ancheBlocco = "\n[classe]\nblocco=true\n";
        CartelleProva::scrivi(cartelle.scuola(0), scuola + (dellaScuola ? ancheBlocco : ""));
        CartelleProva::scrivi(cartelle.insegnante(), insegnante + (dellaScuola ? "" : ancheBlocco));
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi.size(), 1);
        const QString& riga = lette.avvisi.constFirst();
        QVERIFY2(riga.startsWith(QStringLiteral("vortelia: ") + warned + QStringLiteral(": ")),
                 qPrintable(riga));
        QVERIFY2(riga.contains(avviso), qPrintable(riga));
        QVERIFY(!riga.contains(QLatin1Char('\n')));
        QFETCH(QString, chiave);
        QTEST(inVigore(lette.valori, chiave), "valore");
        QVERIFY(lette.valori.blocco);
    }

    // A school file that cannot be one is passed over, with a warning and
    // without blocking or reading it whole; the other school file counts.
    void unusableFiles_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("avviso");
        auto riga = [](const char* nome, const char* tipo, const char* avviso) {
            QTest::newRow(nome) << QString::fromUtf8(tipo) << QString::fromUtf8(avviso);
        };
        riga("a folder", "cartella", ": è una cartella, non un file: ignorata");
        riga("a fifo", "fifo", ": non è un file normale: ignorato");
        riga("huge", "enorme", ": è di 1048577 byte, più del limite di 1048576");
        riga("nul bytes", "nulli", ": ha byte nulli, non è un file di testo");
        riga("a picture", "immagine", ": ha byte nulli, non è un file di testo");
        riga("unreadable", "illeggibile", ": non si può leggere: ignorato");
    }
    void unusableFiles() {
        QFETCH(QString, tipo);
        const CartelleProva cartelle;
        const QString file = cartelle.scuola(0);
        CartelleProva::scrivi(cartelle.scuola(1), "[suoni]\nvolume=40\n");
        const QByteArray chiave = "[suoni]\nvolume=20\n";
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        if (tipo == QLatin1String("cartella")) {
            QVERIFY(QDir().mkpath(file));
        } else if (tipo == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (tipo == QLatin1String("enorme")) {
            // Valid settings, but more of them than a settings file holds.
            CartelleProva::scrivi(file, chiave + QByteArray(1024 * 1024 + 1 - chiave.size(), ' '));
        } else if (tipo == QLatin1String("nulli")) {
            CartelleProva::scrivi(file, chiave + QByteArray(1, '\0') + "\n");
        } else if (tipo == QLatin1String("immagine")) {
            CartelleProva::scrivi(file, QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"));
        } else {
            CartelleProva::scrivi(file, chiave);
            QVERIFY(QFile::setPermissions(file, {}));
            if (QFile(file).open(QIODevice::ReadOnly))
                QSKIP("this user (root) reads a file whatever its permissions");
        }
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi.size(), 1);
        QVERIFY2(lette.avvisi.constFirst().startsWith(QStringLiteral("vortelia: ") + file),
                 qPrintable(lette.avvisi.constFirst()));
        QFETCH(QString, avviso);
        QVERIFY2(lette.avvisi.constFirst().contains(avviso), qPrintable(lette.avvisi.constFirst()));
        QCOMPARE(lette.valori.volume, 40);
    }

    // Bytes that are no text at all, but no NUL either: whatever QSettings
    // makes of them, the key before them counts and each warning is a line.
    void noiseIsReadWithoutHarm() {
        for (int seme : {1, 2, 3}) {
            const CartelleProva cartelle;
            QByteArray rumore = "[suoni]\nvolume=20\n";
            for (int i = 0; i < 4096; ++i) // the same bytes every run
                rumore += char(1 + (i * 7919 + seme * 104729) % 255);
            CartelleProva::scrivi(cartelle.insegnante(), rumore);
            const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
            QCOMPARE(lette.valori.volume, 20);
            for (const QString& avviso : lette.avvisi) {
                QVERIFY(avviso.startsWith(QStringLiteral("vortelia: ") + cartelle.insegnante()));
                QVERIFY(!avviso.contains(QLatin1Char('\n')));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_LetturaImpostazioni)
#include "tst_LetturaImpostazioni.moc"
