// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's choices saved: read back the same, only what differs from
// the school's, never a locked key; whole or not at all, one save at a time.

#include "CartelleProva.h"

#include "common/settings/SalvataggioImpostazioni.h"

#include <QLockFile>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(Impostazioni)

namespace {

using namespace std::chrono_literals;

// Saves the choices into the teacher's file, over the files as they are.
QString salva(const CartelleProva& cartelle, const Impostazioni& scelte) {
    return salvaImpostazioni(cartelle.insegnante(), scelte, leggiImpostazioni(cartelle.fonti()));
}

// The keys a file sets, by their names, comments left out.
QStringList chiaviScritte(const QString& file) {
    QStringList chiavi;
    for (const QString& riga : QString::fromUtf8(CartelleProva::letto(file)).split('\n'))
        if (riga.contains('=') && !riga.startsWith(';'))
            chiavi << riga.section('=', 0, 0);
    return chiavi;
}

// Whatever is in the folder but the file itself.
QStringList avanzi(const QString& file) {
    QStringList nomi =
        QFileInfo(file).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    nomi.removeAll(QFileInfo(file).fileName());
    return nomi;
}

const QByteArray vecchio = "[suoni]\nvolume=70\n";

} // namespace

class tst_SalvataggioImpostazioni : public QObject {
    Q_OBJECT

private slots:
    // Each key saved on its own into a folder not there yet, and all at once.
    void choicesReadBackTheSame_data() {
        QTest::addColumn<Impostazioni>("scelte");
        QTest::addColumn<QStringList>("righe");
        auto riga = [](const char* nome, const std::function<void(Impostazioni&)>& cambia,
                       const QStringList& righe) {
            Impostazioni scelte;
            cambia(scelte);
            QTest::newRow(nome) << scelte << righe;
        };
        riga("sounds off", [](Impostazioni& i) { i.suoniAttivi = false; }, {"attivi"});
        riga("silent", [](Impostazioni& i) { i.volume = 0; }, {"volume"});
        riga("some exercises", [](Impostazioni& i) { i.esercizi = {1, 3, 15}; }, {"esercizi"});
        riga("one exercise", [](Impostazioni& i) { i.esercizi = {7}; }, {"esercizi"});
        riga("full screen", [](Impostazioni& i) { i.schermoIntero = true; }, {"schermo_intero"});
        riga("no quitting", [](Impostazioni& i) { i.blocco = true; }, {"blocco"});
        riga("the record", [](Impostazioni& i) { i.registroAttivo = true; }, {"attivo"});
        riga("the record's folder",
             [](Impostazioni& i) { i.cartellaRegistro = QStringLiteral("/home/maestra/registro"); },
             {"cartella"});
        riga("a folder with spaces and accents",
             [](Impostazioni& i) { i.cartellaFigure = QStringLiteral("/srv/Classe 3ª/figure"); },
             {"cartella"});
        const QString strana = QStringLiteral("/srv/a;b, c \"d\" \\e\tf\x01"
                                              "Ab #g %41 @h");
        riga("a folder QSettings would misread",
             [&](Impostazioni& i) { i.cartellaFigure = strana; }, {"cartella"});
        riga("everything",
             [&](Impostazioni& i) {
                 i = {.suoniAttivi = false,
                      .volume = 55,
                      .esercizi = {2, 4},
                      .schermoIntero = true,
                      .blocco = true,
                      .registroAttivo = true,
                      .cartellaRegistro = QStringLiteral("/home/maestra/Classe 3ª"),
                      .cartellaFigure = strana};
             },
             {"attivi", "volume", "esercizi", "schermo_intero", "blocco", "attivo", "cartella",
              "cartella"});
    }
    void choicesReadBackTheSame() {
        QFETCH(Impostazioni, scelte);
        QFETCH(QStringList, righe);
        const CartelleProva cartelle;
        QCOMPARE(salva(cartelle, scelte), QString());
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        QCOMPARE(lette.avvisi, QStringList());
        QCOMPARE(lette.valori, scelte);
        QCOMPARE(chiaviScritte(cartelle.insegnante()), righe);
        QCOMPARE(avanzi(cartelle.insegnante()), QStringList());
    }

    void onlyWhatDiffersFromTheSchoolIsWritten() {
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(0), "[suoni]\nattivi=false\nvolume=50\n");
        Impostazioni scelte;
        scelte.volume = 50;
        scelte.blocco = true;
        QCOMPARE(salva(cartelle, scelte), QString());
        QCOMPARE(chiaviScritte(cartelle.insegnante()), (QStringList{"attivi", "blocco"}));
        QCOMPARE(leggiImpostazioni(cartelle.fonti()).valori, scelte);
    }

    void lockedKeysAreNeverWritten() {
        const CartelleProva cartelle;
        CartelleProva::scrivi(cartelle.scuola(1), "[suoni]\nvolume[$i]=30\n");
        Impostazioni scelte;
        scelte.volume = 80;
        scelte.blocco = true;
        QCOMPARE(salva(cartelle, scelte), QString());
        QCOMPARE(chiaviScritte(cartelle.insegnante()), QStringList{"blocco"});
        QCOMPARE(leggiImpostazioni(cartelle.fonti()).valori.volume, 30);
    }

    // What stops a save says why, and the old file stays as it was.
    void refusals_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("perche");
        auto riga = [](const char* caso, const char* perche) {
            QTest::newRow(caso) << QString::fromUtf8(caso) << QString::fromUtf8(perche);
        };
        riga("a folder in its place", "al posto del file c'è una cartella.");
        riga("a fifo in its place", "al posto del file c'è qualcosa che non è un file.");
        riga("a file where its folder goes", "non si può creare.");
        riga("another save under way", "un altro salvataggio è in corso.");
        riga("a read-only file", "il file non si può scrivere.");
        riga("a read-only folder", "non si può scrivere.");
    }
    void refusals() {
        QFETCH(QString, caso);
        const CartelleProva cartelle;
        const QString file = cartelle.insegnante();
        const QString cartella = QFileInfo(file).absolutePath();
        CartelleProva::scrivi(file, vecchio);
        QByteArray prima = vecchio;
        QLockFile altro(file + QStringLiteral(".lock"));
        if (caso == QLatin1String("a folder in its place")) {
            QVERIFY(QFile::remove(file));
            QVERIFY(QDir().mkpath(file));
            prima.clear();
        } else if (caso == QLatin1String("a fifo in its place")) {
            QVERIFY(QFile::remove(file));
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            prima.clear();
        } else if (caso == QLatin1String("a file where its folder goes")) {
            QVERIFY(QDir(cartella).removeRecursively());
            CartelleProva::scrivi(cartella, "not a folder");
            prima.clear();
        } else if (caso == QLatin1String("another save under way")) {
            QVERIFY(altro.tryLock());
        } else {
            const bool cartellaSola = caso == QLatin1String("a read-only folder");
            const QFile::Permissions lettura = QFile::ReadOwner | QFile::ExeOwner;
            QVERIFY(QFile::setPermissions(cartellaSola ? cartella : file, lettura));
            if (QFileInfo(cartellaSola ? cartella : file).isWritable())
                QSKIP("this user (root) writes whatever the permissions");
        }
        Impostazioni scelte;
        scelte.volume = 10;
        const QString detto =
            salvaImpostazioni(file, scelte, leggiImpostazioni(cartelle.fonti()), 50ms);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFETCH(QString, perche);
        QVERIFY2(detto.startsWith(QStringLiteral("Le impostazioni non sono state salvate in ") +
                                  file + QStringLiteral(": ")),
                 qPrintable(detto));
        QVERIFY2(detto.endsWith(perche), qPrintable(detto));
        if (!prima.isEmpty())
            QCOMPARE(CartelleProva::letto(file), prima);
    }

    // A write the system cuts short, as on a full disk: the old file stays
    // whole and nothing is left beside it. A file size limit makes the
    // system refuse the bytes past it.
    void aFailedWriteLeavesTheOldFile() {
        const CartelleProva cartelle;
        const QString file = cartelle.insegnante();
        CartelleProva::scrivi(file, vecchio);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        Impostazioni scelte;
        scelte.cartellaFigure = QLatin1Char('/') + QString(600, QLatin1Char('x'));
        rlimit prima{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &prima), 0);
        rlimit stretto = prima;
        stretto.rlim_cur = 300;
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &stretto), 0);
        const QString perche = salvaImpostazioni(file, scelte, lette);
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
        QVERIFY2(perche.startsWith(QStringLiteral("Le impostazioni non sono state salvate in ") +
                                   file + QStringLiteral(": la scrittura")),
                 qPrintable(perche));
        QCOMPARE(CartelleProva::letto(file), vecchio);
        QCOMPARE(avanzi(file), QStringList());
    }

    // Two runs saving over and over, each with its own lock, while a reader
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
                if (!salvaImpostazioni(file, scelte, lette).isEmpty())
                    ++errori;
            ++finiti;
        };
        std::thread primo(salvataggi, a), secondo(salvataggi, b);
        int letture = 0, storte = 0;
        while (finiti < 2) {
            const QByteArray letto = CartelleProva::letto(file);
            ++letture;
            if (letto != testoA && letto != testoB)
                ++storte;
        }
        primo.join();
        secondo.join();
        QCOMPARE(errori.load(), 0);
        QCOMPARE(storte, 0);
        QVERIFY(letture > 0);
        const Impostazioni fine = leggiImpostazioni(cartelle.fonti()).valori;
        QVERIFY(fine == a || fine == b);
        QCOMPARE(avanzi(file), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SalvataggioImpostazioni)
#include "tst_SalvataggioImpostazioni.moc"
