// SPDX-License-Identifier: GPL-3.0-or-later
// The platform layer alone, linked without the rest of the program: random
// values, number text, sounds, safe file access, message boxes, the
// application folder, work after the first paint and Qt's Italian strings.

#include "doubles/ScriptedRandom.h"
#include "support/OpenBox.h"
#include "support/ProcessMemory.h"

#include "common/platform/services/BackgroundTask.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/services/NumberText.h"
#include "common/platform/services/ParallelFor.h"
#include "common/platform/sound/LazySoundPlayer.h"
#include "common/platform/sound/QtSoundPlayer.h"
#include "common/platform/system/ApplicationFolder.h"
#include "common/platform/system/DestroyedWindowWatcher.h"
#include "common/platform/system/SafeFile.h"
#include "common/platform/widgets/AfterFirstPaint.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSet>
#include <QSoundEffect>
#include <QThread>
#include <QThreadPool>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifndef VORTELIA_PORTABLE
#include <xcb/xcb.h>
#endif

namespace {

// The largest float below 1, where a careless Int(Rnd * n) rounds up to n.
constexpr float kJustBelowOne = 0.99999994f;

// Whether the player holds at least n sound files, each with its decoder's verdict.
bool decoded(const QtSoundPlayer& player, int n) {
    const auto effects = player.findChildren<QSoundEffect*>();
    if (effects.size() < n)
        return false;
    return std::none_of(effects.begin(), effects.end(), [](const QSoundEffect* e) {
        return e->status() == QSoundEffect::Null || e->status() == QSoundEffect::Loading;
    });
}

// A window that counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// How long a test waits for work done beside it (decoding sounds).
constexpr int backgroundDeadline = 30000;

QString soundIn(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/suoni/") + name;
}

QString soundPath(const char* name) {
    return soundIn(QStringLiteral(VORTELIA_APP_DIR), QString::fromLatin1(name));
}

// The effect the player keeps for a file; nullptr when it refused the file.
QSoundEffect* effectOf(const QtSoundPlayer& player, const QString& path) {
    for (QSoundEffect* effect : player.findChildren<QSoundEffect*>())
        if (effect->source() == QUrl::fromLocalFile(path))
            return effect;
    return nullptr;
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

enum class Gone { Deleted, WindowDestroyed, DestroyNotice };

// A box's native window destroyed by another program, as the X server
// reports it.
void sendDestroyNotice(WId id) {
#ifdef VORTELIA_PORTABLE
    Q_UNUSED(id);
#else
    xcb_destroy_notify_event_t event{};
    event.response_type = XCB_DESTROY_NOTIFY;
    event.event = xcb_window_t(id);
    event.window = xcb_window_t(id);
    DestroyedWindowWatcher watcher;
    watcher.nativeEventFilter("xcb_generic_event_t", &event, nullptr);
#endif
}

void makeGone(QWidget* box, Gone how) {
    switch (how) {
    case Gone::Deleted:
        delete box;
        break;
    case Gone::WindowDestroyed:
        DestroyedWindowWatcher::windowDestroyed(box->internalWinId());
        break;
    case Gone::DestroyNotice:
        sendDestroyNotice(box->internalWinId());
        break;
    }
}

} // namespace

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void drawStaysBelowN() {
        ScriptedRandom rnd;
        for (int n = 1; n <= 26; ++n) {
            rnd.script({kJustBelowOne, 0.0f});
            QCOMPARE(rnd.draw(n), n - 1);
            QCOMPARE(rnd.draw(n), 0);
        }
        // One value per draw, none more.
        QCOMPARE(rnd.taken(), 52);
        QCOMPARE(rnd.pending(), 0);
    }

    void clockRandomStaysInUnitInterval() {
        ClockRandom rnd;
        double sum = 0;
        float largest = 0;
        for (int i = 0; i < 1000000; ++i) {
            const float v = rnd.uniform();
            if (!(v >= 0.0f && v < 1.0f))
                QFAIL(qPrintable(QStringLiteral("value %1 outside [0, 1)").arg(double(v))));
            largest = std::max(largest, v);
            sum += v;
        }
        QVERIFY(std::abs(sum / 1e6 - 0.5) < 0.005);
        QVERIFY(largest > 0.999f);
    }

    void numberText() {
        QCOMPARE(NumberText::signedForm(3), QStringLiteral(" 3"));
        QCOMPARE(NumberText::signedForm(0), QStringLiteral(" 0"));
        QCOMPARE(NumberText::signedForm(-4), QStringLiteral("-4"));
        QCOMPARE(NumberText::plainForm(0), QStringLiteral("0"));
        QCOMPARE(NumberText::plainForm(27), QStringLiteral("27"));
        QCOMPARE(NumberText::toNumber(QStringLiteral(" 3")), 3.0);
        QCOMPARE(NumberText::toNumber(QString()), 0.0);
        QCOMPARE(NumberText::toNumber(QStringLiteral("  12")), 12.0);
        QCOMPARE(NumberText::toNumber(QStringLiteral("abc")), 0.0);
        // Tags are written by signedForm and read back by toNumber.
        for (int v : {0, 1, 8, 32767})
            QCOMPARE(NumberText::toNumber(NumberText::signedForm(v)), double(v));
    }

    // The sound system is loaded when first asked for, from beside the
    // program; a module that is not there leaves the program running.
    void soundSystemLoadedWhenAskedFor() {
        LazySoundPlayer player(QStringLiteral(VORTELIA_APP_DIR "/") +
                               LazySoundPlayer::moduleName());
        QVERIFY(!player.loaded());
        player.preload({QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
        QVERIFY(player.loaded());
        player.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));

        LazySoundPlayer missing(QStringLiteral(VORTELIA_APP_DIR "/nessuno.so"));
        missing.preload({QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
        missing.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));
        QVERIFY(!missing.loaded());
    }

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
        QTRY_VERIFY_WITH_TIMEOUT(decoded(player, 1), backgroundDeadline);
        QCOMPARE(beeps, 0);
        player.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(decoded(player, 2), backgroundDeadline);
        QCOMPARE(beeps, 0);
    }

    // Only one sound at a time: a new applause cuts off the one still playing,
    // and so does the wrong-answer sound.
    void newSoundCutsOffThePlayingOne() {
        QtSoundPlayer player([] {});
        const QStringList paths = {soundPath("si1.wav"), soundPath("si2.wav"), soundPath("no.wav")};
        player.preload(paths);
        QSoundEffect* previous = nullptr;
        for (const QString& path : paths) {
            player.play(path);
            QSoundEffect* effect = effectOf(player, path);
            QVERIFY(effect);
            if (previous)
                QVERIFY2(!previous->isPlaying(), qPrintable(previous->source().toString()));
            QTRY_VERIFY_WITH_TIMEOUT(effect->isPlaying(), backgroundDeadline);
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
            QVERIFY(!effectOf(player, path));
        }
        // Whatever the player took on has finished loading.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&player] {
                const auto effects = player.findChildren<QSoundEffect*>();
                return std::none_of(effects.begin(), effects.end(), [](QSoundEffect* e) {
                    return e->status() == QSoundEffect::Loading;
                });
            }(),
            30000);
        // One refused file read whole would take 200 MB, if only for a moment.
        const long held = ProcessMemory::residentKb() - heldBefore;
        const long peak = ProcessMemory::peakKb() - peakBefore;
        QVERIFY2(held < 60 * 1024, qPrintable(QStringLiteral("%1 kB more held").arg(held)));
        QVERIFY2(peak < 60 * 1024, qPrintable(QStringLiteral("%1 kB more at the peak").arg(peak)));

        player.play(ordinary);
        QCOMPARE(effectOf(player, ordinary)->status(), QSoundEffect::Ready);
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
        QSoundEffect* effect = effectOf(player, path);
        QVERIFY(effect);
        QTRY_COMPARE_WITH_TIMEOUT(effect->status(), QSoundEffect::Ready, backgroundDeadline);
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

    // Both show their own class to Qt (signals, casts, the inspector).
    void soundPlayerAndPaintHookAreQtClasses() {
        QtSoundPlayer player([] {});
        QCOMPARE(player.metaObject()->className(), "QtSoundPlayer");
        QWidget window;
        AfterFirstPaint::run(&window, [] {});
        QCOMPARE(window.findChildren<AfterFirstPaint*>().size(), 1);
    }

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
        QVERIFY(copyToNative(soundPath("si1.wav"), native + "/suoni/si1.wav"));
        // What Qt makes of the name leads nowhere.
        QVERIFY(!QFileInfo::exists(QFile::decodeName(native) + QStringLiteral("/jpg/a1.jpg")));

        const ApplicationFolder folder(native);
        QVERIFY(!QImage(folder.path() + QStringLiteral("/jpg/a1.jpg")).isNull());
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString sound = soundIn(folder.path(), QStringLiteral("si1.wav"));
        player.play(sound);
        QVERIFY(effectOf(player, sound));
        QTRY_COMPARE_WITH_TIMEOUT(effectOf(player, sound)->status(), QSoundEffect::Ready,
                                  backgroundDeadline);
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

    // A message box that disappears without an answer (deleted, or its window
    // destroyed by another program) counts as closed: "No" to a question.
    void messageBoxGoneWithoutAnAnswer_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("deleted") << int(Gone::Deleted);
        QTest::newRow("window destroyed") << int(Gone::WindowDestroyed);
        QTest::newRow("destroy notice") << int(Gone::DestroyNotice);
    }
    void messageBoxGoneWithoutAnAnswer() {
        QFETCH(int, how);
#ifdef VORTELIA_PORTABLE
        if (Gone(how) == Gone::DestroyNotice)
            QSKIP("only the native X11 platform layer hears of windows other programs destroy");
#endif
        QtMessageBox boxes;
        using MB = MessageBoxService;
        for (MB::Buttons buttons : {MB::Buttons::YesNo, MB::Buttons::Ok}) {
            bool stuck = false;
            QPointer<QWidget> shown;
            OpenBox::whenShown(
                [&shown, how](QWidget* box) {
                    shown = box;
                    makeGone(box, Gone(how));
                },
                &stuck);
            const MB::Answer answer = boxes.show(nullptr, {QStringLiteral("Vortelia"),
                                                           QStringLiteral("Vuoi tornare al menù?"),
                                                           MB::Icon::Question, buttons});
            QVERIFY(!stuck);
            QCOMPARE(answer, buttons == MB::Buttons::Ok ? MB::Answer::Ok : MB::Answer::No);
            QVERIFY(shown.isNull());
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    // Return answers a question with "Sì", the box's default button, and the
    // information box with its one button; the boxes are as asked.
    void returnAnswersTheDefaultButton() {
        QTranslator italian;
        QVERIFY(italian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"),
                             QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QVERIFY(QCoreApplication::installTranslator(&italian));
        QtMessageBox boxes;
        using MB = MessageBoxService;
        for (MB::Buttons buttons : {MB::Buttons::YesNo, MB::Buttons::Ok}) {
            const bool question = buttons == MB::Buttons::YesNo;
            bool stuck = false;
            QString defaultCaption, title, text;
            QStringList captions;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            OpenBox::whenShown(
                [&](QWidget* shown) {
                    auto* box = qobject_cast<QMessageBox*>(shown);
                    if (!box)
                        return;
                    title = box->windowTitle();
                    text = box->text();
                    icon = box->icon();
                    if (box->defaultButton())
                        defaultCaption = box->defaultButton()->text().remove(QLatin1Char('&'));
                    for (QAbstractButton* b : box->buttons())
                        captions << b->text().remove(QLatin1Char('&'));
                    QTest::keyClick(box, Qt::Key_Return);
                },
                &stuck);
            const MB::Answer answer = boxes.show(
                nullptr, {QStringLiteral("Vortelia"), QStringLiteral("Vuoi uscire dal programma?"),
                          question ? MB::Icon::Question : MB::Icon::Information, buttons});
            QVERIFY(!stuck);
            QCOMPARE(title, QStringLiteral("Vortelia"));
            QCOMPARE(text, QStringLiteral("Vuoi uscire dal programma?"));
            captions.sort();
            if (question) {
                QCOMPARE(answer, MB::Answer::Yes);
                QCOMPARE(defaultCaption, QStringLiteral("Sì"));
                QCOMPARE(captions, QStringList({QStringLiteral("No"), QStringLiteral("Sì")}));
                QCOMPARE(icon, QMessageBox::Question);
            } else {
                QCOMPARE(answer, MB::Answer::Ok);
                QCOMPARE(captions.size(), 1);
                QCOMPARE(icon, QMessageBox::Information);
            }
        }
        QCoreApplication::removeTranslator(&italian);
    }

    void parentDeletedUnderAnOpenBox() {
        QPointer<QWidget> parent = new QWidget;
        parent->show();
        bool stuck = false;
        OpenBox::whenShown([parent](QWidget*) { delete parent.data(); }, &stuck);
        QtMessageBox boxes;
        const auto answer = boxes.show(
            parent, {QStringLiteral("Vortelia"), QStringLiteral("Vuoi uscire dal programma?"),
                     MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
        QVERIFY(!stuck);
        QCOMPARE(answer, MessageBoxService::Answer::No);
        QVERIFY(parent.isNull());
    }

    // The task waits for the window's first paint, comes after it rather
    // than inside it, and runs once however often the window is painted.
    void afterFirstPaintRunsOnceAfterThePaint() {
        PaintCounter window;
        window.resize(120, 120);
        int runs = 0;
        int paintsBeforeRun = -1;
        AfterFirstPaint::run(&window, [&] {
            ++runs;
            paintsBeforeRun = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0); // never shown

        // Shown but not yet painted.
        window.setUpdatesEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(window.paints, 0);
        QCOMPARE(runs, 0);

        window.setUpdatesEnabled(true);
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBeforeRun > 0);

        const int paints = window.paints;
        window.update();
        QTRY_VERIFY(window.paints > paints);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void afterFirstPaintWithoutAWindowRunsOnceFromTheEventLoop() {
        int runs = 0;
        AfterFirstPaint::run(nullptr, [&] { ++runs; });
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void italianTranslationGivesSi() {
        QTranslator translator;
        QVERIFY(translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"),
                                QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCOMPARE(translator.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
        const QString yes = box.button(QDialogButtonBox::Yes)->text();
        const QString no = box.button(QDialogButtonBox::No)->text();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QString(yes).remove(QLatin1Char('&')), QStringLiteral("Sì"));
        QCOMPARE(QString(no).remove(QLatin1Char('&')), QStringLiteral("No"));
    }

    // Every job runs once, on this thread and the pool's idle ones, and all
    // have run when the call returns; a busy pool leaves them all to this thread.
    void parallelJobsEachRunOnce() {
        for (int count : {0, 1, 2, 8, 100}) {
            std::vector<std::atomic_int> runs(static_cast<std::size_t>(count));
            ParallelFor::run(count, [&](int i) { ++runs[std::size_t(i)]; });
            for (const std::atomic_int& r : runs)
                QCOMPARE(r.load(), 1);
        }
        QThreadPool* global = QThreadPool::globalInstance();
        QSemaphore release;
        const int busy = global->maxThreadCount();
        for (int k = 0; k < busy; ++k)
            global->start([&release] { release.acquire(); });
        QSet<Qt::HANDLE> threads;
        ParallelFor::run(8, [&](int) { threads.insert(QThread::currentThreadId()); });
        release.release(busy);
        global->waitForDone();
        QCOMPARE(threads, QSet<Qt::HANDLE>{QThread::currentThreadId()});
    }

    // A job's result is handed back on the owner's thread, after the job;
    // a job started anew is told to stop, and what it gives back is dropped.
    void backgroundTaskHandsBackOnlyTheLastResult() {
        BackgroundTask task;
        QSemaphore firstRunning;
        std::atomic_bool firstToldToStop = false;
        QList<int> handedBack;
        QThread* handedBackOn = nullptr;
        task.start([&](const std::atomic_bool& cancelled) -> std::function<void()> {
            firstRunning.release();
            // Holds the thread until it is told to stop.
            while (!cancelled.load())
                QThread::msleep(1);
            firstToldToStop = true;
            return [&] { handedBack << 1; };
        });
        firstRunning.acquire();
        task.start([&](const std::atomic_bool&) -> std::function<void()> {
            return [&] {
                handedBack << 2;
                handedBackOn = QThread::currentThread();
            };
        });
        QVERIFY(task.busy());
        QTRY_VERIFY(!task.busy());
        QVERIFY(firstToldToStop);
        QCoreApplication::processEvents();
        QCOMPARE(handedBack, QList<int>{2});
        QCOMPARE(handedBackOn, QThread::currentThread());
    }

    // Cancelled or destroyed, a task hands nothing back; destruction waits
    // for the job, which may use what its owner is about to destroy.
    void backgroundTaskDestroyedWaitsForItsJob() {
        std::atomic_bool jobEnded = false;
        bool handedBack = false;
        {
            BackgroundTask task;
            QSemaphore running;
            task.start([&](const std::atomic_bool& cancelled) -> std::function<void()> {
                running.release();
                while (!cancelled.load())
                    QThread::msleep(1);
                QThread::msleep(50);
                jobEnded = true;
                return [&] { handedBack = true; };
            });
            running.acquire();
        }
        QVERIFY(jobEnded);
        QCoreApplication::processEvents();
        QVERIFY(!handedBack);

        BackgroundTask task;
        task.start([&](const std::atomic_bool&) -> std::function<void()> {
            return [&] { handedBack = true; };
        });
        task.cancel();
        QVERIFY(!task.busy());
        QTest::qWait(50);
        QVERIFY(!handedBack);
    }
};

QTEST_MAIN(tst_Platform)
#include "tst_Platform.moc"
