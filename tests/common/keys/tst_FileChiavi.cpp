// SPDX-License-Identifier: GPL-3.0-or-later
// The keys file on disk: written whole and readable by all, a link in its
// place replaced and not followed; read from the record's folder, which in a
// lab refreshes this PC's copy, and that copy used while the share is away.
#include "common/keys/ChiaviRegistro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QByteArray contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool scrivi(const QString& percorso, const QByteArray& byte) {
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly) && file.write(byte) == byte.size();
}

} // namespace

class tst_FileChiavi : public QObject {
    Q_OBJECT

    QByteArray chiavi_;
    QTemporaryDir radice_;
    CartelleRegistro cartelle_;

    QString nelRegistro() const { return QDir(cartelle_.registro).filePath("chiavi.json"); }
    QString nelPc() const { return QDir(cartelle_.locale).filePath("chiavi.json"); }

private slots:
    void initTestCase() {
        chiavi_ = ChiaviRegistro::crea({"Anna", "Luca"}, "gatto-sul-tetto").file;
        QVERIFY(!chiavi_.isEmpty());
    }

    void init() {
        QVERIFY(QDir(radice_.path()).removeRecursively());
        cartelle_ = {radice_.filePath("pc/registro"), radice_.filePath("server/4B")};
        QVERIFY(cartelle_.condivisa());
    }

    void theFileIsWrittenWholeAndReadableByAll() {
#ifdef Q_OS_UNIX
        // Even for a user who keeps new files to themselves.
        const mode_t maschera = ::umask(077);
        const auto ripristina = qScopeGuard([&] { ::umask(maschera); });
#endif
        QString errore;
        QVERIFY2(ChiaviRegistro::scriviFile(cartelle_.registro, "un file più lungo", &errore),
                 qPrintable(errore));
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.registro, chiavi_, &errore));
        QCOMPARE(contenuto(nelRegistro()), chiavi_);
        QCOMPARE(QDir(cartelle_.registro).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"chiavi.json"}));
        const auto perTutti =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto tutti = perTutti | QFile::ExeOwner | QFile::WriteGroup | QFile::ExeGroup |
                           QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(nelRegistro()) & tutti, perTutti);
    }

    void aLinkInItsPlaceIsReplacedNotFollowed() {
        QVERIFY(QDir().mkpath(cartelle_.registro));
        const QString altro = radice_.filePath("altro.txt");
        QVERIFY(scrivi(altro, "di un altro"));
        QVERIFY(QFile::link(altro, nelRegistro()));
        QString errore;
        QVERIFY2(ChiaviRegistro::scriviFile(cartelle_.registro, chiavi_, &errore),
                 qPrintable(errore));
        QVERIFY(!QFileInfo(nelRegistro()).isSymLink());
        QCOMPARE(contenuto(nelRegistro()), chiavi_);
        QCOMPARE(contenuto(altro), QByteArray("di un altro"));
    }

    void readingTheShareRefreshesThisPcsCopy() {
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.registro, chiavi_, nullptr));
        QString errore;
        QCOMPARE(ChiaviRegistro::leggiFile(cartelle_, &errore), chiavi_);
        QCOMPARE(contenuto(nelPc()), chiavi_);
    }

    void aDamagedFileOnTheShareLeavesTheCopyAlone() {
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.locale, chiavi_, nullptr));
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.registro, "{}", nullptr));
        QCOMPARE(ChiaviRegistro::leggiFile(cartelle_, nullptr), QByteArray("{}"));
        QCOMPARE(contenuto(nelPc()), chiavi_);
    }

    void theCopyIsReadWhileTheShareIsAway() {
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.locale, chiavi_, nullptr));
        QString errore;
        QCOMPARE(ChiaviRegistro::leggiFile(cartelle_, &errore), chiavi_);
        QVERIFY(QFile::remove(nelPc()));
        QVERIFY(ChiaviRegistro::leggiFile(cartelle_, &errore).isEmpty());
        QVERIFY2(errore.contains("non si raggiunge"), qPrintable(errore));
    }

    // The share is there without the file: the record was switched off.
    void aShareWithoutTheFileIsARecordSwitchedOff() {
        QVERIFY(QDir().mkpath(cartelle_.registro));
        QVERIFY(ChiaviRegistro::scriviFile(cartelle_.locale, chiavi_, nullptr));
        QString errore;
        QVERIFY(ChiaviRegistro::leggiFile(cartelle_, &errore).isEmpty());
        QCOMPARE(errore, "Il registro non è attivo: manca il file delle chiavi.");
    }

    void whatIsNotAFileIsNotOpened() {
        QVERIFY(QDir().mkpath(nelRegistro()));
        QString errore;
        QVERIFY(ChiaviRegistro::leggiFile(cartelle_, &errore).isEmpty());
        QVERIFY2(errore.contains("non è un file"), qPrintable(errore));
        QVERIFY(!ChiaviRegistro::scriviFile(cartelle_.registro, chiavi_, &errore));
#ifdef Q_OS_UNIX
        QVERIFY(QDir(nelRegistro()).removeRecursively());
        QCOMPARE(::mkfifo(QFile::encodeName(nelRegistro()).constData(), 0600), 0);
        QVERIFY(ChiaviRegistro::leggiFile(cartelle_, &errore).isEmpty());
        QVERIFY2(errore.contains("non è un file"), qPrintable(errore));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_FileChiavi)
#include "tst_FileChiavi.moc"
