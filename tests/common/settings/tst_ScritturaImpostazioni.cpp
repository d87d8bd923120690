// SPDX-License-Identifier: GPL-3.0-or-later
// The settings written: the teacher's choices saved (read back the same,
// only what differs from the school's, never a locked key, whole or not at
// all, one save at a time) and the description of those in force.

#include "CartelleProva.h"

#include "common/settings/DescrizioneImpostazioni.h"
#include "common/settings/SalvataggioImpostazioni.h"

#include <QLockFile>
#include <QRegularExpression>

#include <atomic>
#include <csignal>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(Impostazioni)

namespace {

using namespace std::chrono_literals;

QString salva(const CartelleProva& cartelle, const Impostazioni& scelte) {
    return salvaImpostazioni(cartelle.insegnante(), scelte, leggiImpostazioni(cartelle.fonti()));
}

// The names of the keys a file sets.
QStringList chiaviScritte(const QString& file) {
    QStringList chiavi;
    for (const QString& riga : QString::fromUtf8(CartelleProva::letto(file)).split('\n'))
        if (riga.contains('=') && !riga.startsWith(';'))
            chiavi << riga.section('=', 0, 0);
    return chiavi;
}

// Whatever is in the file's folder beside it.
QStringList avanzi(const QString& file) {
    return QFileInfo(file)
        .dir()
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
        .filter(QRegularExpression("^(?!Vortelia.conf$)"));
}

QString nonSalvate(const QString& file) {
    return "Le impostazioni non sono state salvate in " + file + ": ";
}

const QByteArray vecchio = "[suoni]\nvolume=70\n";
const QString strana = "/srv/a;b, c \"d\" \\e\tf\x01"
                       "Ab #g %41 @h";

// A school that locks one key and sets another, a teacher who sets two
// more, one in a form QSettings would misread, and a wrong value.
void classe(const CartelleProva& cartelle) {
    CartelleProva::scrivi(cartelle.scuola(0), "[suoni]\nvolume[$i]=30\n[menu]\nesercizi=FormEs2\n");
    CartelleProva::scrivi(cartelle.scuola(1), "[suoni]\nattivi=forse\n");
    CartelleProva::scrivi(cartelle.insegnante(), "[suoni]\nvolume=70\n[classe]\nblocco=true\n"
                                                 "[figure]\ncartella=\"/srv/a;b, c \\\"3ª\\\"\"\n");
}

} // namespace

class tst_ScritturaImpostazioni : public QObject {
    Q_OBJECT

private slots:
    // Every key at once, into a folder not there yet; a list of one, read
    // back as a plain text; a folder with all QSettings reads in its own way.
    void choicesReadBackTheSame_data() {
        QTest::addColumn<Impostazioni>("scelte");
        QTest::newRow("every key") << Impostazioni{false,
                                                   55,
                                                   {2, 4, 15},
                                                   true,
                                                   true,
                                                   true,
                                                   "/home/maestra/Classe 3ª/registro",
                                                   "/srv/Classe 3ª/figure"};
        QTest::newRow("one exercise") << Impostazioni{true, 100, {7}, false, false, false, "", ""};
        QTest::newRow("odd folder") << Impostazioni{true, 100, {}, false, false, false, strana, ""};
    }
    void choicesReadBackTheSame() {
        QFETCH(Impostazioni, scelte);
        const CartelleProva cartelle;
        QCOMPARE(salva(cartelle, scelte), QString());
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi, QStringList());
        QCOMPARE(lette.valori, scelte);
        QCOMPARE(avanzi(cartelle.insegnante()), QStringList());
    }

    void onlyWhatDiffersFromTheSchoolAndIsNotLockedIsWritten() {
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(1),
                              "[suoni]\nattivi=false\nvolume=50\n[classe]\nblocco[$i]=false\n");
        const Impostazioni scelte{true, 50, {}, true, true, false, "", ""};
        QCOMPARE(salva(cartelle, scelte), QString());
        QCOMPARE(chiaviScritte(cartelle.insegnante()), (QStringList{"attivi", "schermo_intero"}));
        Impostazioni attese = scelte;
        attese.blocco = false;
        QCOMPARE(leggiImpostazioni(cartelle.fonti()).valori, attese);
    }

    // What stops a save says why, and the old file stays as it was.
    void refusals_data() {
        QTest::addColumn<QString>("perche");
        QTest::newRow("a folder in its place") << "al posto del file c'è una cartella.";
        QTest::newRow("a fifo in its place") << "al posto del file c'è qualcosa che non è un file.";
        QTest::newRow("a file where its folder goes") << "non si può creare.";
        QTest::newRow("another save under way") << "un altro salvataggio è in corso.";
        QTest::newRow("a read-only file") << "il file non si può scrivere.";
        QTest::newRow("a read-only folder") << "non si può scrivere.";
    }
    void refusals() {
        const QByteArray caso = QTest::currentDataTag();
        const CartelleProva cartelle;
        const QString file = cartelle.insegnante(), cartella = QFileInfo(file).absolutePath();
        CartelleProva::scrivi(file, vecchio);
        QLockFile altro(file + ".lock");
        if (caso == "a folder in its place")
            QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        if (caso == "a fifo in its place")
            QVERIFY(QFile::remove(file) &&
                    ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        if (caso == "a file where its folder goes")
            QVERIFY(QDir(cartella).removeRecursively() &&
                    QFile(cartella).open(QIODevice::WriteOnly));
        if (caso == "another save under way")
            QVERIFY(altro.tryLock());
        const QString sola = caso == "a read-only file"     ? file
                             : caso == "a read-only folder" ? cartella
                                                            : "";
        if (!sola.isEmpty() && QFile::setPermissions(sola, QFile::ReadOwner | QFile::ExeOwner) &&
            QFileInfo(sola).isWritable())
            QSKIP("this user (root) writes whatever the permissions");
        const bool cera = QFileInfo(file).isFile();
        const QString detto =
            salvaImpostazioni(file, Impostazioni{true, 10, {}, false, false, false, "", ""},
                              leggiImpostazioni(cartelle.fonti()), 50ms);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFETCH(QString, perche);
        QVERIFY2(detto.startsWith(nonSalvate(file)) && detto.endsWith(perche), qPrintable(detto));
        QCOMPARE(cera ? CartelleProva::letto(file) : vecchio, vecchio);
    }

    // A write the system cuts short, as a full disk does, here by a limit on
    // the size of files: the old file stays whole, nothing is left beside it.
    void aWriteCutShortLeavesTheOldFile() {
        const CartelleProva cartelle;
        const QString file = cartelle.insegnante();
        CartelleProva::scrivi(file, vecchio);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        Impostazioni scelte;
        scelte.cartellaFigure = '/' + QString(600, 'x');
        rlimit prima{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &prima), 0);
        rlimit stretto = prima;
        stretto.rlim_cur = 300;
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &stretto), 0);
        const QString detto = salvaImpostazioni(file, scelte, lette);
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
        QVERIFY2(detto.startsWith(nonSalvate(file) + "la scrittura"), qPrintable(detto));
        QCOMPARE(CartelleProva::letto(file), vecchio);
        QCOMPARE(avanzi(file), QStringList());
    }

    // Two saving over and over, each with a lock of its own, while a reader
    // looks: every read finds one whole file, and so does the end.
    void concurrentSavesLeaveOneWholeFile() {
        const CartelleProva cartelle;
        const QString file = cartelle.insegnante();
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        Impostazioni a, b;
        a.volume = 10;
        b.esercizi = {2, 3};
        QCOMPARE(salvaImpostazioni(file, a, lette), QString());
        const QByteArray testoA = CartelleProva::letto(file);
        QCOMPARE(salvaImpostazioni(file, b, lette), QString());
        const QByteArray testoB = CartelleProva::letto(file);
        std::atomic_int errori = 0, finiti = 0;
        auto salvataggi = [&](const Impostazioni& scelte) {
            for (int i = 0; i < 40; ++i)
                errori += !salvaImpostazioni(file, scelte, lette).isEmpty();
            ++finiti;
        };
        std::thread primo(salvataggi, a), secondo(salvataggi, b);
        int storte = 0;
        while (finiti < 2) {
            const QByteArray letto = CartelleProva::letto(file);
            storte += letto != testoA && letto != testoB;
        }
        primo.join();
        secondo.join();
        QCOMPARE(errori.load(), 0);
        QCOMPARE(storte, 0);
        const Impostazioni fine = leggiImpostazioni(cartelle.fonti()).valori;
        QVERIFY(fine == a || fine == b);
        QCOMPARE(avanzi(file), QStringList());
    }

    // Each value and where it came from, then the warnings; read back as the
    // only settings file, the text gives the same values and no warning.
    void theDescriptionIsASettingsFileThatSaysWhereEachValueCameFrom() {
        const CartelleProva cartelle, copia;
        classe(cartelle);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        const QString testo = descriviImpostazioni(lette);
        const QStringList righe = testo.split('\n');
        for (const QString& attesa :
             QStringList{"attivi=true ; predefinito",
                         "volume=30 ; bloccato dalla scuola: " + cartelle.scuola(0),
                         "esercizi=FormEs2 ; " + cartelle.scuola(0),
                         "blocco=true ; " + cartelle.insegnante(),
                         "cartella= ; predefinito (vuoto: la cartella dei dati dell'utente)",
                         "; Avvisi:", "; " + lette.avvisi.value(0), "; " + lette.avvisi.value(1)})
            QVERIFY2(righe.contains(attesa), qPrintable(attesa));
        QCOMPARE(lette.avvisi.size(), 2);
        for (const char* gruppo : {"[suoni]", "[menu]", "[classe]", "[registro]", "[figure]"})
            QCOMPARE(righe.count(gruppo), 1);
        CartelleProva::scrivi(copia.insegnante(), testo.toUtf8());
        const ImpostazioniLette rilette = leggiImpostazioni(copia.fonti());
        QCOMPARE(rilette.avvisi, QStringList());
        QCOMPARE(rilette.valori, lette.valori);
    }
};

QTEST_GUILESS_MAIN(tst_ScritturaImpostazioni)
#include "tst_ScritturaImpostazioni.moc"
