// SPDX-License-Identifier: GPL-3.0-or-later
// A file the teacher saves: replaced whole, and refused with its reason
// where a folder or a device stands or the folder is read-only.
#include "common/FileIntero.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_FileIntero : public QObject {
    Q_OBJECT

private slots:
    void theFileIsReplacedWhole() {
        QTemporaryDir dir;
        const QString file = dir.filePath("f.csv");
        QCOMPARE(FileIntero::scrivi(file, "una riga molto lunga\r\n"), QString());
        QCOMPARE(FileIntero::scrivi(file, "due\r\n"), QString());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("due\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"f.csv"}));
    }

    void aFolderInPlaceOfTheFileIsSaid() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("s.pdf"));
        QVERIFY(FileIntero::scrivi(dir.filePath("s.pdf"), "x").contains("cartella"));
    }

    void aReadOnlyFolderLeavesNothingBehind() {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString motivo = FileIntero::scrivi(dir.filePath("s.pdf"), "x");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (QFileInfo(dir.path()).isWritable() && motivo.isEmpty())
            QSKIP("this user writes into read-only folders");
        QVERIFY2(motivo.contains("non si può scrivere"), qPrintable(motivo));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void aDeviceInPlaceOfTheFileIsLeftAlone() {
        const QString motivo = FileIntero::scrivi("/dev/null", "x");
        QVERIFY2(motivo.contains("non è un file"), qPrintable(motivo));
        QVERIFY(!QFileInfo("/dev/null").isFile());
    }
};

QTEST_GUILESS_MAIN(tst_FileIntero)
#include "tst_FileIntero.moc"
