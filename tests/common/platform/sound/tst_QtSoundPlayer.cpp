// SPDX-License-Identifier: GPL-3.0-or-later
// The player of the answer sounds: the beep for a sound that cannot be
// played (missing, empty, cut, too large or too long), one sound at a time,
// and a sound heard once its file is back.

#include "support/ProcessMemory.h"
#include "support/SoundFiles.h"
#include "support/TestMain.h"

#include "common/platform/sound/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

// Whether the player holds at least n sound files, each with its decoder's verdict.
bool decoded(const QtSoundPlayer& player, int n) {
    const auto effects = player.findChildren<QSoundEffect*>();
    if (effects.size() < n)
        return false;
    return std::none_of(effects.begin(), effects.end(), [](const QSoundEffect* e) {
        return e->status() == QSoundEffect::Null || e->status() == QSoundEffect::Loading;
    });
}

// A WAV file of 16-bit mono sound at `rate` whose header claims `claimed`
// bytes of sound; `size` bytes in all, the rest a hole that takes no disk.
bool writeWav(const QString& path, quint32 rate, quint32 claimed, qint64 size) {
    QByteArray header("RIFF....WAVEfmt ....ppccrrrrbbbbaaBBdata....");
    qToLittleEndian<quint32>(quint32(std::min<qint64>(size - 8, 0xffffffff)), header.data() + 4);
    qToLittleEndian<quint32>(16, header.data() + 16);
    qToLittleEndian<quint16>(1, header.data() + 20);        // PCM
    qToLittleEndian<quint16>(1, header.data() + 22);        // mono
    qToLittleEndian<quint32>(rate, header.data() + 24);     // samples per second
    qToLittleEndian<quint32>(rate * 2, header.data() + 28); // bytes per second
    qToLittleEndian<quint16>(2, header.data() + 32);
    qToLittleEndian<quint16>(16, header.data() + 34);
    qToLittleEndian<quint32>(claimed, header.data() + 40);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.resize(size);
}

} // namespace

class tst_QtSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void missingSoundBeeps() {
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString missing = QStringLiteral(VORTELIA_APP_DIR "/suoni/nessuno.wav");
        player.play(missing);
        QCOMPARE(beeps, 1);
        // The failure is remembered, yet each play still beeps.
        player.play(missing);
        QCOMPARE(beeps, 2);
    }

    void existingSoundDoesNotBeep() {
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString path = QStringLiteral(VORTELIA_APP_DIR "/suoni/si1.wav");
        player.preload({path});
        player.play(path);
        // The decoder's verdict, never the end of the sound.
        QTRY_VERIFY_WITH_TIMEOUT(decoded(player, 1), SoundFiles::decodingDeadline);
        QCOMPARE(beeps, 0);
        player.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(decoded(player, 2), SoundFiles::decodingDeadline);
        QCOMPARE(beeps, 0);
    }

    // Only one sound at a time: a new applause cuts off the one still playing,
    // and so does the wrong-answer sound.
    void newSoundCutsOffThePlayingOne() {
        QtSoundPlayer player([] {});
        const QStringList paths = {SoundFiles::shipped("si1.wav"), SoundFiles::shipped("si2.wav"),
                                   SoundFiles::shipped("no.wav")};
        player.preload(paths);
        QSoundEffect* previous = nullptr;
        for (const QString& path : paths) {
            player.play(path);
            QSoundEffect* effect = SoundFiles::effectOf(player, path);
            QVERIFY(effect);
            if (previous)
                QVERIFY2(!previous->isPlaying(), qPrintable(previous->source().toString()));
            QTRY_VERIFY_WITH_TIMEOUT(effect->isPlaying(), SoundFiles::decodingDeadline);
            previous = effect;
        }
    }

    // Sound effects are held whole in memory: huge or long files are refused
    // unread and beep, as a missing file does.
    void oversizedSoundsBeepAndStayUnread() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        constexpr qint64 megabyte = 1024 * 1024;
        QStringList refused;
        for (int i = 1; i <= 5; ++i) {
            refused << dir.filePath(QStringLiteral("grande%1.wav").arg(i));
            QVERIFY(writeWav(refused.last(), 44100, 0xfffffff0u, 200 * megabyte));
        }
        // 11 s at 16 kB/s: small, but too long.
        refused << dir.filePath(QStringLiteral("lungo.wav"));
        QVERIFY(writeWav(refused.last(), 8000, 11 * 16000, 44 + 11 * 16000));
        const QString ordinary = dir.filePath(QStringLiteral("breve.wav"));
        QVERIFY(writeWav(ordinary, 8000, 9 * 16000, 44 + 9 * 16000));

        QVERIFY(ProcessMemory::resetPeak());
        const long peakBefore = ProcessMemory::peakKb();
        const long heldBefore = ProcessMemory::residentKb();
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        player.preload(refused + QStringList{ordinary});
        for (const QString& path : refused) {
            const int was = beeps;
            player.play(path);
            QVERIFY2(beeps == was + 1, qPrintable(path));
            QVERIFY(!SoundFiles::effectOf(player, path));
        }
        // Whatever the player took on has finished loading.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&player] {
                const auto effects = player.findChildren<QSoundEffect*>();
                return std::none_of(effects.begin(), effects.end(), [](QSoundEffect* e) {
                    return e->status() == QSoundEffect::Loading;
                });
            }(),
            SoundFiles::decodingDeadline);
        // One refused file read whole would take 200 MB, if only for a moment.
        const long held = ProcessMemory::residentKb() - heldBefore;
        const long peak = ProcessMemory::peakKb() - peakBefore;
        QVERIFY2(held < 60 * 1024, qPrintable(QStringLiteral("%1 kB more held").arg(held)));
        QVERIFY2(peak < 60 * 1024, qPrintable(QStringLiteral("%1 kB more at the peak").arg(peak)));

        player.play(ordinary);
        QCOMPARE(SoundFiles::effectOf(player, ordinary)->status(), QSoundEffect::Ready);
        QCOMPARE(beeps, int(refused.size()));
    }

    // Sounds missing at start-up (the stick was out) are heard once their
    // files are back, as pictures are.
    void soundHeardOnceItsFileIsBack() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("si1.wav"));
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        player.preload({path});
        player.play(path);
        QCOMPARE(beeps, 1);
        QVERIFY(writeWav(path, 8000, 16000, 44 + 16000));
        player.play(path);
        QSoundEffect* effect = SoundFiles::effectOf(player, path);
        QVERIFY(effect);
        QTRY_COMPARE_WITH_TIMEOUT(effect->status(), QSoundEffect::Ready,
                                  SoundFiles::decodingDeadline);
        QCOMPARE(beeps, 1);
    }

    // A WAV file with no sound in it, or cut short, beeps at once instead of
    // loading for ever.
    void emptyOrCutSoundBeeps_data() {
        QTest::addColumn<quint32>("claimed");
        QTest::addColumn<qint64>("size");
        QTest::newRow("empty file") << 0u << qint64(0);
        QTest::newRow("cut inside the header") << 16000u << qint64(30);
        QTest::newRow("header alone") << 16000u << qint64(44);
        QTest::newRow("no sound") << 0u << qint64(44);
        QTest::newRow("cut in the sound") << 16000u << qint64(44 + 8000);
    }
    void emptyOrCutSoundBeeps() {
        QFETCH(quint32, claimed);
        QFETCH(qint64, size);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("no.wav"));
        QVERIFY(writeWav(path, 8000, claimed, size));
        QVERIFY(!QtSoundPlayer::playable(path));
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        player.play(path);
        QCOMPARE(beeps, 1);
        player.play(path);
        QCOMPARE(beeps, 2);
    }

    // A chunk of odd length before the sound (a LIST chunk an ordinary sound
    // editor writes) is followed by a pad byte: the sound is found after it.
    void oddChunkBeforeTheSoundIsSteppedOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("si.wav"));
        QVERIFY(writeWav(path, 8000, 16000, 44 + 16000));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        QByteArray list("LIST....INFOx\0", 14); // 5 bytes of chunk, then the pad
        qToLittleEndian<quint32>(5, list.data() + 4);
        bytes.insert(36, list);
        qToLittleEndian<quint32>(quint32(bytes.size() - 8), bytes.data() + 4);
        QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(QtSoundPlayer::playable(path));
    }
};

VORTELIA_TEST_MAIN(tst_QtSoundPlayer)
#include "tst_QtSoundPlayer.moc"
