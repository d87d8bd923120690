// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/record/RegistroDiProva.h"

#include "common/platform/services/Clock.h"
#include "common/record/DatabaseRegistro.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>
#include <unistd.h>

using namespace RegistroDiProva;

namespace {

// The pupil's program this test runs and kills: it writes entries from
// `primo` on, printing each number once annota() has returned.
int scrivi(const QStringList& argomenti) {
    const CartelleRegistro cartelle{argomenti[0], argomenti[1]};
    const ChiaviPubbliche chiavi{QByteArray::fromHex(argomenti[2].toLatin1()), {}};
    SystemClock orologio;
    QString avviso;
    auto registro = RegistroClasse::apri(cartelle, chiavi, orologio, &avviso);
    if (!registro)
        return 1;
    for (int i = argomenti[3].toInt();; ++i) {
        registro->annota(voce(i));
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

// A small file system of this test's own, mounted where it needs one: only
// in a private mount namespace (see inUnoSpazioSuo), gone with the process.
bool monta(const QString& dove, const QString& opzioni) {
    QDir().mkpath(dove);
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              opzioni, QStringLiteral("tmpfs"), dove}) == 0;
}

bool rimonta(const QString& dove, const QString& opzioni) {
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-o"), QStringLiteral("remount,") + opzioni, dove}) ==
           0;
}

void smonta(const QString& dove) {
    QProcess::execute(QStringLiteral("umount"), {dove});
}

// Fills a file system until it takes no more.
void riempi(const QString& cartella) {
    QFile f(QDir(cartella).filePath(QStringLiteral("pieno")));
    f.open(QIODevice::WriteOnly);
    const QByteArray blocco(4096, 'x');
    while (f.write(blocco) == blocco.size() && f.flush()) {
    }
}

// Whether this run is the one in a private mount namespace, where the test
// may mount what it needs.
bool inUnoSpazioSuo() {
    return qEnvironmentVariableIsSet("VORTELIA_OWN_MOUNTS");
}

// Runs this test function (and row) again in a private mount namespace, and
// reports its result.
void inUnoSpazioNuovo() {
    QStringList spazio;
    if (::geteuid() != 0)
        spazio << QStringLiteral("--map-root-user");
    spazio << QStringLiteral("--mount") << QStringLiteral("--propagation")
           << QStringLiteral("private");
    if (QProcess::execute(QStringLiteral("unshare"),
                          spazio + QStringList{QStringLiteral("true")}) != 0)
        QSKIP("no private mount namespace here (unshare --mount)");
    {
        QString funzione = QString::fromLatin1(QTest::currentTestFunction());
        if (QTest::currentDataTag())
            funzione += QLatin1Char(':') + QString::fromUtf8(QTest::currentDataTag());
        QProcess figlio;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("VORTELIA_OWN_MOUNTS"), QStringLiteral("1"));
        figlio.setProcessEnvironment(ambiente);
        figlio.setProcessChannelMode(QProcess::MergedChannels);
        figlio.start(QStringLiteral("unshare"),
                     spazio + QStringList{QCoreApplication::applicationFilePath(), funzione});
        const bool finito = figlio.waitForFinished(60000);
        const QByteArray uscita = figlio.readAll();
        QVERIFY2(finito && figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0,
                 uscita.constData());
    }
}

} // namespace

class TestRegistroClasse : public QObject {
    Q_OBJECT

private slots:
    void leEntrateTornanoUgualiUnaVolta_data();
    void leEntrateTornanoUgualiUnaVolta();
    void nienteSiLeggeSenzaLaChiave_data();
    void nienteSiLeggeSenzaLaChiave();
    void unProgrammaUccisoNonPerdeNulla();
    void dueProfiliClonatiNonSiSovrascrivono();
    void laCartellaDelRegistroAspetta_data();
    void laCartellaDelRegistroAspetta();
    void laCartellaLocaleInSolaLetturaTieneInMemoria();
};

void TestRegistroClasse::leEntrateTornanoUgualiUnaVolta_data() {
    QTest::addColumn<bool>("condivisa");
    QTest::newRow("questo PC") << false;
    QTest::newRow("laboratorio") << true;
}

// Read while the program runs, each entry is in its journal and in the
// database or the lab's folder too; read after, in one of them.
void TestRegistroClasse::leEntrateTornanoUgualiUnaVolta() {
    QFETCH(bool, condivisa);
    Aula aula(condivisa);
    QList<VoceRegistro> scritte;
    auto registro = aula.apri();
    QVERIFY(registro);
    QCOMPARE(registro->nomi(), aula.classe);
    for (int i = 0; i < 40; ++i) {
        scritte << voce(i);
        scritte.last().id = QByteArray(16, char(i));
        registro->annota(scritte.last());
    }
    QVERIFY(registro->attendi(10000));
    const LetturaRegistro mentre = aula.leggi();
    QCOMPARE(mentre.voci, perTempo(scritte));
    QCOMPARE(mentre.classe, aula.classe);
    QCOMPARE(mentre.note, QStringList());
    registro.reset();
    QCOMPARE(aula.leggi().voci, perTempo(scritte));
}

void TestRegistroClasse::nienteSiLeggeSenzaLaChiave_data() {
    leEntrateTornanoUgualiUnaVolta_data();
}

// No file the record writes (journal, database, lab's copies) holds a
// pupil's name or a window's in any encoding, while it runs or after.
void TestRegistroClasse::nienteSiLeggeSenzaLaChiave() {
    QFETCH(bool, condivisa);
    Aula aula(condivisa);
    auto registro = aula.apri();
    aula.annota(*registro, 0, 99);
    QVERIFY(registro->attendi(10000));
    const auto inChiaro = [&] {
        QStringList trovati;
        QDirIterator tutti(aula.radice.path(), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (tutti.hasNext()) {
            QFile f(tutti.next());
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QByteArray byte = f.readAll();
            for (const QString& testo : {segreto, finestraSegreta}) {
                QByteArray le, be;
                for (QChar c : testo) {
                    le.append(char(c.cell())).append(char(c.row()));
                    be.append(char(c.row())).append(char(c.cell()));
                }
                for (const QByteArray& forma : {testo.toUtf8(), le, be})
                    if (byte.contains(forma))
                        trovati << f.fileName();
            }
        }
        QCOMPARE(trovati, QStringList());
    };
    inChiaro();
    registro.reset();
    inChiaro();
}

// Killed at any moment, at the start too (while it brings in the journals
// the last one left): each entry it said it wrote is in the record.
void TestRegistroClasse::unProgrammaUccisoNonPerdeNulla() {
    Aula aula;
    QList<int> dette;
    for (int giro = 0; giro < 5; ++giro) {
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--scrivi"), aula.cartelle.locale, aula.cartelle.registro,
                      QString::fromLatin1(aula.pubblica.toHex()), QString::number(giro * 100000)});
        QVERIFY(figlio.waitForStarted());
        const int quante = int(QRandomGenerator::global()->bounded(3000));
        QByteArray uscita;
        while (uscita.count('\n') < quante && figlio.state() == QProcess::Running)
            if (figlio.waitForReadyRead(10000))
                uscita += figlio.readAllStandardOutput();
        figlio.kill();
        QVERIFY(figlio.waitForFinished());
        QCOMPARE(figlio.exitStatus(), QProcess::CrashExit);
        uscita += figlio.readAllStandardOutput();
        for (const QByteArray& riga : uscita.split('\n'))
            if (!riga.isEmpty())
                dette << riga.toInt();
    }
    const auto tutteLette = [&] {
        const QList<int> lette = numeri(aula.leggi().voci);
        for (int n : dette)
            if (!lette.contains(n))
                return false;
        return true;
    };
    QVERIFY(tutteLette());
    if (QFile::exists(QDir(aula.cartelle.locale).filePath(DatabaseRegistro::nomeFile()))) {
        DatabaseRegistro db(aula.cartelle.locale, QStringLiteral("verifica"));
        QVERIFY(db.apri(false));
        QVERIFY(db.integro());
    }
    // The next run brings the journals in.
    QVERIFY(aula.apri()->attendi(10000));
    const QStringList rimasti =
        QDir(aula.cartelle.locale).entryList({QStringLiteral("giornale-*")});
    QVERIFY2(rimasti.isEmpty(), qPrintable(rimasti.join(QLatin1Char(' '))));
    QVERIFY(tutteLette());
    DatabaseRegistro db(aula.cartelle.locale, QStringLiteral("verifica"));
    QVERIFY(db.apri(false));
    QVERIFY(db.integro());
}

// Two PCs cloned from one profile write into one lab's folder, each with
// entries the first left waiting: none is lost, none read twice.
void TestRegistroClasse::dueProfiliClonatiNonSiSovrascrivono() {
    Aula aula;
    const QString registro = aula.cartelle.registro;
    QVERIFY(QDir().rename(registro, registro + QStringLiteral(".via")));
    {
        auto r = aula.apri();
        aula.annota(*r, 0, 9);
        QVERIFY(r->attendi(10000));
    }
    QVERIFY(QDir().rename(registro + QStringLiteral(".via"), registro));
    const QString clone = aula.radice.filePath(QStringLiteral("clone"));
    QCOMPARE(QProcess::execute(QStringLiteral("cp"),
                               {QStringLiteral("-a"), aula.cartelle.locale, clone}),
             0);
    const CartelleRegistro altre{clone, registro};
    auto primo = aula.apri();
    auto secondo = aula.apri(altre);
    for (int i = 10; i < 50; i += 2) {
        primo->annota(voce(i));
        secondo->annota(voce(i + 1));
    }
    QVERIFY(primo->attendi(10000));
    QVERIFY(secondo->attendi(10000));
    const CartelleRegistro soloLaboratorio{aula.radice.filePath(QStringLiteral("vuota")), registro};
    const LetturaRegistro lette = aula.leggi(soloLaboratorio);
    QCOMPARE(numeri(lette.voci), daA(0, 49));
    QCOMPARE(lette.note, QStringList());
}

void TestRegistroClasse::laCartellaDelRegistroAspetta_data() {
    QTest::addColumn<QString>("guasto");
    QTest::newRow("assente") << QStringLiteral("assente");
    QTest::newRow("sola lettura") << QStringLiteral("sola lettura");
    QTest::newRow("piena") << QStringLiteral("piena");
}

// The entries wait on this PC, said in the reading, and go when the lab's
// folder is back, at once when the next entry comes.
void TestRegistroClasse::laCartellaDelRegistroAspetta() {
    QFETCH(QString, guasto);
    if (guasto != QStringLiteral("assente") && !inUnoSpazioSuo()) {
        inUnoSpazioNuovo();
        return;
    }
    Aula aula;
    const QString registro = aula.cartelle.registro;
    const QString via = registro + QStringLiteral(".via");
    if (guasto == QStringLiteral("assente")) {
        QVERIFY(QDir().rename(registro, via));
    } else {
        QVERIFY(monta(registro, QStringLiteral("size=64k")));
        QFile chiavi(QDir(registro).filePath(QStringLiteral("chiavi.json")));
        QVERIFY(chiavi.open(QIODevice::WriteOnly));
        chiavi.close();
        if (guasto == QStringLiteral("piena"))
            riempi(registro);
        else
            QVERIFY(rimonta(registro, QStringLiteral("ro")));
    }
    auto pupillo = aula.apri();
    aula.annota(*pupillo, 0, 19);
    QVERIFY(pupillo->attendi(10000));
    const QString quando = QDateTime::fromMSecsSinceEpoch(aula.orologio.utc)
                               .toString(QStringLiteral("dd/MM/yyyy' alle 'H:mm"));
    const LetturaRegistro attesa = aula.leggi();
    QCOMPARE(numeri(attesa.voci), daA(0, 19));
    QCOMPARE(attesa.note, QStringList{QStringLiteral("20 risposte di questo PC aspettano di essere "
                                                     "copiate nella cartella del registro dal ") +
                                      quando + QLatin1Char('.')});

    if (guasto == QStringLiteral("assente"))
        QVERIFY(QDir().rename(via, registro));
    else if (guasto == QStringLiteral("piena"))
        QVERIFY(QFile::remove(QDir(registro).filePath(QStringLiteral("pieno"))));
    else
        QVERIFY(rimonta(registro, QStringLiteral("rw")));
    pupillo->annota(voce(20));
    QVERIFY(pupillo->attendi(10000));
    const CartelleRegistro soloLaboratorio{aula.radice.filePath(QStringLiteral("vuota")), registro};
    QCOMPARE(numeri(aula.leggi(soloLaboratorio).voci), daA(0, 20));
    QCOMPARE(aula.leggi().note, QStringList());
    pupillo.reset();
    if (guasto != QStringLiteral("assente"))
        smonta(registro);
}

// A local disk that takes nothing: the entries wait in memory, and are
// written once it takes them again.
void TestRegistroClasse::laCartellaLocaleInSolaLetturaTieneInMemoria() {
    if (!inUnoSpazioSuo()) {
        inUnoSpazioNuovo();
        return;
    }
    Aula aula(false);
    QVERIFY(monta(aula.cartelle.locale, QStringLiteral("size=1m")));
    QFile chiavi(QDir(aula.cartelle.locale).filePath(QStringLiteral("chiavi.json")));
    QVERIFY(chiavi.open(QIODevice::WriteOnly));
    chiavi.close();
    QVERIFY(rimonta(aula.cartelle.locale, QStringLiteral("ro")));
    auto registro = aula.apri();
    QVERIFY(registro);
    aula.annota(*registro, 0, 9);
    QVERIFY(!registro->attendi(300));
    QVERIFY(rimonta(aula.cartelle.locale, QStringLiteral("rw")));
    QVERIFY(registro->attendi(10000));
    registro.reset();
    QCOMPARE(numeri(aula.leggi().voci), daA(0, 9));
    smonta(aula.cartelle.locale);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() == 6 && argomenti[1] == QStringLiteral("--scrivi"))
        return scrivi(argomenti.mid(2));
    TestRegistroClasse test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_RegistroClasse.moc"
