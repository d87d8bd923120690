// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force: the teacher's over the school's over the defaults,
// the school's locks, and one warning for each thing a file gets wrong.

#include "CartelleProva.h"

#include "common/settings/ChiaviImpostazioni.h"

#include <sys/stat.h>

namespace {

// Written after each warned file's text: whether the rest of it counts.
const QByteArray ancheBlocco = "\n[classe]\nblocco=true\n";

// A fault of a file and the warning it gives. tipo: what stands in the
// teacher's place (a "file", or one "rifiutato" whole, a "cartella", a
// "fifo", one "illeggibile" or "enorme"); "bloccato": a file under a
// school's lock; "scuola": the school's file is the one warned of.
struct Guasto {
    const char* nome;
    const char* tipo;
    QByteArray testo;
    const char* avviso;
};

const Guasto guasti[] = {
    {"a folder", "cartella", {}, "è una cartella, non un file: ignorata"},
    {"a fifo", "fifo", {}, "non è un file normale: ignorato"},
    {"unreadable", "illeggibile", "[suoni]\nvolume=20\n", "non si può leggere: ignorato"},
    {"huge", "enorme", {}, "è di 1048577 byte, più del limite di 1048576"},
    {"nul bytes", "rifiutato", QByteArrayLiteral("[suoni]\nvolume=20\n\0"),
     "ha byte nulli, non è un file di testo"},
    {"not ini", "file", "hello world\n", "la riga 1 non è né [gruppo] né chiave=valore"},
    {"not a boolean", "file", "[suoni]\nattivi=forse\n",
     "[suoni] attivi=forse non è true né false: vale true"},
    {"not a number", "file", "[suoni]\nvolume=alto\n",
     "[suoni] volume=alto non è un numero intero: vale 100"},
    {"out of range", "file", "[suoni]\nvolume=150\n",
     "[suoni] volume=150 non è tra 0 e 100: vale 100"},
    {"no such window", "file", "[menu]\nesercizi=FormEs16\n",
     "[menu] esercizi=FormEs16 nomina FormEs16, che non è una finestra di esercizio (sono da "
     "FormEs1 a FormEs15): vale tutti gli esercizi"},
    {"the right names stay", "file", "[menu]\nesercizi=formes3, FormEs2, FormEs0\n",
     "[menu] esercizi=formes3, FormEs2, FormEs0 nomina formes3, FormEs0, che non sono finestre "
     "di esercizio (sono da FormEs1 a FormEs15): vale FormEs2"},
    {"unknown key", "file", "[suoni]\nvolumi=3\n",
     "[suoni] volumi=3 non è una chiave delle impostazioni: ignorata"},
    {"unknown group", "file", "[audio]\nvolume=3\n",
     "[audio] non è un gruppo delle impostazioni: ignorato"},
    {"the teacher's lock mark", "file", "[suoni]\nvolume[$i]=30\n",
     "[suoni] volume[$i]=30 blocca solo in un file della scuola: qui vale come volume"},
    {"not utf-8", "file", "[figure]\ncartella=/Classe 3\xaa\n",
     "[figure] cartella=/Classe 3\uFFFD non è testo UTF-8: vale nessuna"},
    {"a comma outside quotes", "file", "[figure]\ncartella=/a, b\n",
     "[figure] cartella=/a, b ha una virgola fuori dalle virgolette"},
    {"a relative folder", "file", "[registro]\ncartella=registro\n",
     "[registro] cartella=registro non è un percorso assoluto"},
    {"under the school's lock", "bloccato", "[suoni]\nvolume=70\n",
     "[suoni] volume=70 non conta: la scuola blocca la chiave: vale 30"},
    {"a school's lock on no key", "scuola", "[suoni]\nvolumi[$i]=3\n",
     "[suoni] volumi[$i]=3 non è una chiave delle impostazioni"},
};

} // namespace

class tst_LetturaImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void noFileGivesTheDefaults() {
        const CartelleProva cartelle;
        const FontiImpostazioni fonti = FontiImpostazioni::delSistema();
        QCOMPARE(fonti.insegnante, cartelle.insegnante());
        QCOMPARE(fonti.scuola, (QStringList{cartelle.scuola(0), cartelle.scuola(1)}));
        const ImpostazioniLette lette = leggiImpostazioni(fonti);
        QCOMPARE(lette.valori, Impostazioni());
        QCOMPARE(lette.avvisi, QStringList());
        QCOMPARE(lette.origini.size(), qsizetype(ChiaviImpostazioni::tutte().size()));
        for (const ImpostazioniLette::Origine& origine : lette.origini)
            QVERIFY(origine.file.isEmpty() && !origine.bloccata);
    }

    // As the manual shows it: trailing comments, a list with spaces.
    void theManualsBlockReadsAsWritten() {
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(1), R"([suoni]
attivi=false           ; false: no sound at all
volume=30              ; 0 to 100
[menu]
esercizi=FormEs3, FormEs1, FormEs3   ; the windows whose buttons show
[classe]
schermo_intero=true    ; as --schermo-intero
blocco=true            ; true: pupils cannot quit
[registro]
attivo=true
cartella=/srv/r        ; the record's folder
[figure]
cartella=/srv/Classe 3ª ; a further folder
)");
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi, QStringList());
        const Impostazioni atteso{false, 30, {1, 3}, true, true, true, "/srv/r", "/srv/Classe 3ª"};
        QCOMPARE(lette.valori, atteso);
        QCOMPARE(lette.dellaScuola, atteso);
        QCOMPARE(lette.origini.value("menu/esercizi").file, cartelle.scuola(1));
    }

    // Which file's volume holds, whether it is locked, and what the school alone gives.
    void precedence_data() {
        QTest::addColumn<QByteArrayList>("file"); // the two schools', the teacher's
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("da"); // -1 the default, 0 and 1 the schools, 2 the teacher
        QTest::addColumn<bool>("bloccata");
        QTest::addColumn<int>("dellaScuola");
        const QByteArray v20 = "[suoni]\nvolume=20", v30 = "[suoni]\nvolume=30",
                         v70 = "[suoni]\nvolume=70", b20 = "[suoni]\nvolume[$i]=20",
                         b30 = "[suoni]\nvolume[$i]=30", bAlto = "[suoni]\nvolume[$i]=alto";
        QTest::newRow("teacher over school")
            << QByteArrayList{v20, v30, v70} << 70 << 2 << false << 20;
        QTest::newRow("first school first")
            << QByteArrayList{v20, v30, {}} << 20 << 0 << false << 20;
        QTest::newRow("second school") << QByteArrayList{{}, v30, {}} << 30 << 1 << false << 30;
        QTest::newRow("lock over all") << QByteArrayList{v20, b30, v70} << 30 << 1 << true << 30;
        QTest::newRow("first of two locks")
            << QByteArrayList{b20, b30, v70} << 20 << 0 << true << 20;
        QTest::newRow("unreadable lock")
            << QByteArrayList{bAlto, v30, v70} << 30 << 1 << true << 30;
        QTest::newRow("unreadable lock alone")
            << QByteArrayList{bAlto, {}, v70} << 100 << 0 << true << 100;
        QTest::newRow("teacher's mark")
            << QByteArrayList{v20, {}, "[suoni]\nvolume[$i]=70"} << 70 << 2 << false << 20;
    }
    void precedence() {
        QFETCH(QByteArrayList, file);
        QFETCH(int, da);
        const CartelleProva cartelle;
        const QStringList percorsi = {cartelle.scuola(0), cartelle.scuola(1),
                                      cartelle.insegnante()};
        for (int i = 0; i < 3; ++i)
            CartelleProva::scrivi(percorsi[i], file[i]);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QTEST(lette.valori.volume, "volume");
        QTEST(lette.dellaScuola.volume, "dellaScuola");
        QCOMPARE(lette.origini.value("suoni/volume").file, da < 0 ? QString() : percorsi[da]);
        QTEST(lette.origini.value("suoni/volume").bloccata, "bloccata");
    }

    // One warning, one line, naming the file, the entry and the value in
    // force; the file's other keys still count unless it is refused whole.
    void problems_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QString>("avviso");
        for (const Guasto& guasto : guasti)
            QTest::newRow(guasto.nome)
                << guasto.tipo << guasto.testo << QString::fromUtf8(guasto.avviso);
    }
    void problems() {
        QFETCH(QString, tipo);
        QFETCH(QByteArray, testo);
        QFETCH(QString, avviso);
        const CartelleProva cartelle;
        const QString file = tipo == "scuola" ? cartelle.scuola(1) : cartelle.insegnante();
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        if (tipo == "cartella")
            QVERIFY(QDir().mkpath(file));
        else if (tipo == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (tipo == "enorme") { // valid settings, one byte more than a settings file holds
            const QByteArray volume = "[suoni]\nvolume=20\n";
            CartelleProva::scrivi(file, volume + QByteArray(1024 * 1024 + 1 - volume.size(), ' '));
        } else
            CartelleProva::scrivi(file, testo + ancheBlocco);
        if (tipo == "illeggibile" && QFile::setPermissions(file, {}) &&
            QFile(file).open(QIODevice::ReadOnly))
            QSKIP("this user (root) reads a file whatever its permissions");
        if (tipo == "bloccato")
            CartelleProva::scrivi(cartelle.scuola(0), "[suoni]\nvolume[$i]=30\n");
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi.size(), 1);
        const QString& riga = lette.avvisi.constFirst();
        QVERIFY2(riga.startsWith("vortelia: " + file + ": " + avviso) && !riga.contains('\n'),
                 qPrintable(riga));
        const QStringList rifiutati = {"cartella", "fifo", "illeggibile", "enorme", "rifiutato"};
        QCOMPARE(lette.valori.blocco, !rifiutati.contains(tipo));
    }
};

QTEST_GUILESS_MAIN(tst_LetturaImpostazioni)
#include "tst_LetturaImpostazioni.moc"
