// SPDX-License-Identifier: GPL-3.0-or-later
// Data files opened without waiting, and no descriptor left open.

#include "common/platform/system/SafeFile.h"

#include <QRegularExpression>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class tst_SafeFile : public QObject {
    Q_OBJECT

private slots:
    // A descriptor that the file cannot take is closed, never left open;
    // what is not a regular file is refused without waiting.
    void safeFileLeavesNoDescriptorOpen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("a1.jpg"));
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write("12345") == 5);
        written.close();
        const std::optional<SafeFile::Opened> opened = SafeFile::openRegular(path);
        QVERIFY(opened && opened->file->isOpen());
        QCOMPARE(opened->identity.size, qint64(5));
        QCOMPARE(SafeFile::identityOf(path), opened->identity);

#ifdef Q_OS_UNIX
        QFile busy(path);
        QVERIFY(busy.open(QIODevice::ReadOnly)); // takes no other descriptor
        // Far above the numbers in use, so that no other open reuses it.
        const int low = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(low >= 0);
        const int fd = ::fcntl(low, F_DUPFD_CLOEXEC, 900);
        ::close(low);
        QVERIFY(fd >= 900);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("already open")));
        QVERIFY(!SafeFile::adopt(fd, busy));
        QCOMPARE(::fcntl(fd, F_GETFD), -1);

        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("a2.jpg")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QVERIFY(!SafeFile::openRegular(QFile::decodeName(fifo)));
#endif
        QVERIFY(!SafeFile::openRegular(dir.filePath(QStringLiteral("a3.jpg"))));
        QVERIFY(!SafeFile::identityOf(dir.filePath(QStringLiteral("a3.jpg"))));
    }

#ifdef Q_OS_UNIX
    // A name that is not valid UTF-8 opens by its bytes (on Linux: the
    // Qt-alone layer is for systems whose file names are always text); a
    // missing file, a folder and a FIFO are refused, each for its reason,
    // without waiting.
    void nativeNamesOpenByTheirBytes() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
#ifdef VORTELIA_PORTABLE
        const QByteArray odd = folder + "disegno.png";
#else
        const QByteArray odd = folder + "dis\xe8gno.png";
#endif
        const int fd = ::open(odd.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0 && ::write(fd, "123", 3) == 3);
        ::close(fd);
        SafeFile::Refusal refusal = SafeFile::Refusal::Unreadable;
        const auto opened = SafeFile::openNative(odd, &refusal);
        QVERIFY(opened);
        QCOMPARE(refusal, SafeFile::Refusal::None);
        QCOMPARE(opened->file->readAll(), QByteArray("123"));
        QCOMPARE(::unlink(odd.constData()), 0);

        QVERIFY(!SafeFile::openNative(odd, &refusal));
        QCOMPARE(refusal, SafeFile::Refusal::Missing);
        QVERIFY(!SafeFile::openNative(folder, &refusal));
        QCOMPARE(refusal, SafeFile::Refusal::NotRegular);
        QCOMPARE(::mkfifo((folder + "a.png").constData(), 0600), 0);
        QVERIFY(!SafeFile::openNative(folder + "a.png", &refusal));
        QCOMPARE(refusal, SafeFile::Refusal::NotRegular);
    }
#endif
};

QTEST_GUILESS_MAIN(tst_SafeFile)
#include "tst_SafeFile.moc"
