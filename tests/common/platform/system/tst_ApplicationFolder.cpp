// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the program finds its data in, from the program file, whatever
// its name is made of.

#include "support/SoundFiles.h"
#include "support/TestMain.h"

#include "common/platform/sound/QtSoundPlayer.h"
#include "common/platform/system/ApplicationFolder.h"

#include <QSoundEffect>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(VORTELIA_PORTABLE)
// Copies a file to a path given by its bytes, which QFile cannot spell when
// they are not valid UTF-8.
bool copyToNative(const QString& from, const QByteArray& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}
#endif

} // namespace

class tst_ApplicationFolder : public QObject {
    Q_OBJECT

private slots:
    // A folder name in Latin-1 from an old stick or share, which Qt cannot
    // spell as text: the pictures and sounds are still found in it.
    void applicationFolderWhoseNameIsNotUtf8() {
#if defined(VORTELIA_PORTABLE) || !defined(Q_OS_UNIX)
        QSKIP("only the native Linux lookup keeps a folder name's bytes");
#else
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray native = QFile::encodeName(dir.path()) + "/Esercizi caff\xe9";
        QVERIFY(::mkdir(native.constData(), 0755) == 0);
        // QTemporaryDir cannot spell the name either: it gets a plain one back.
        const auto rename = qScopeGuard([&] {
            ::rename(native.constData(), QFile::encodeName(dir.filePath("x")).constData());
        });
        QVERIFY(::mkdir(QByteArray(native + "/jpg").constData(), 0755) == 0);
        QVERIFY(::mkdir(QByteArray(native + "/suoni").constData(), 0755) == 0);
        QVERIFY(copyToNative(QStringLiteral(VORTELIA_JPG_DIR "/a1.jpg"), native + "/jpg/a1.jpg"));
        QVERIFY(copyToNative(SoundFiles::shipped("si1.wav"), native + "/suoni/si1.wav"));
        // What Qt makes of the name leads nowhere.
        QVERIFY(!QFileInfo::exists(QFile::decodeName(native) + QStringLiteral("/jpg/a1.jpg")));

        const ApplicationFolder folder(native);
        QVERIFY(!QImage(folder.path() + QStringLiteral("/jpg/a1.jpg")).isNull());
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString sound = SoundFiles::in(folder.path(), QStringLiteral("si1.wav"));
        player.play(sound);
        QVERIFY(SoundFiles::effectOf(player, sound));
        QTRY_COMPARE_WITH_TIMEOUT(SoundFiles::effectOf(player, sound)->status(),
                                  QSoundEffect::Ready, SoundFiles::decodingDeadline);
        QCOMPARE(beeps, 0);
        // Messages name the folder as a person reads it.
        QCOMPARE(ApplicationFolder::shown(folder.path() + QStringLiteral("/jpg")),
                 dir.path() + QStringLiteral("/Esercizi caffé/jpg"));
#endif
    }

    void applicationFolderWithAUtf8Name() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = dir.filePath(QStringLiteral("Esercizi più belli"));
        QVERIFY(QDir().mkdir(name));
        const ApplicationFolder folder(QFile::encodeName(name));
        QCOMPARE(folder.path(), name);
        QCOMPARE(ApplicationFolder::shown(folder.path()), name);
        // Only a whole descriptor number names a kept folder.
        for (const QString& other :
             {QStringLiteral("/proc/self/fd/"), QStringLiteral("/proc/self/fd/1x/jpg"),
              QStringLiteral("/proc/self/fdx/1")})
            QCOMPARE(ApplicationFolder::shown(other), other);
        // The running program's own folder, found from the program file.
        QCOMPARE(ApplicationFolder().path(), QCoreApplication::applicationDirPath());
    }
};

VORTELIA_TEST_MAIN(tst_ApplicationFolder)
#include "tst_ApplicationFolder.moc"
