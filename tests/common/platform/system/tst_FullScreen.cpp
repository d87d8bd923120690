// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen where no window manager answers (a kiosk session, a board PC
// started from xinit): the program takes the screen itself, carries the
// state from window to window, and F11 gives the window back its place.

#include "support/OpenBox.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/CatalogoFinestre.h"
#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/platform/system/FullScreen.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {

bool takesTheScreen(QWidget* w) {
    return w && w->isVisible() && (w->windowState() & Qt::WindowFullScreen) &&
           (w->windowFlags() & Qt::FramelessWindowHint) && w->geometry() == w->screen()->geometry();
}

// The window that has the X server's keyboard.
WId keyboardWindow() {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    xdotool.waitForFinished(10000);
    return xdotool.readAllStandardOutput().trimmed().toULongLong();
}

} // namespace

class tst_FullScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

    void withoutAWindowManagerTheProgramTakesTheScreen() {
        if (Windows::onWayland())
            QSKIP("a Wayland session always has a compositor that places the windows");
        // One that runs would take part in what the program does alone.
        if (QGuiApplication::platformName() == QLatin1String("xcb") &&
            FullScreen::windowManagerAnswers())
            QSKIP("a window manager runs on this display");
        TestBench bench;
        int asked = 0;
        bench.programma.setGestoreFinestre([&asked] {
            ++asked;
            return false;
        });
        bench.programma.setStatoIniziale(Qt::WindowFullScreen);
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(takesTheScreen(avvio));
        QVERIFY(asked > 0);
        QTRY_VERIFY(avvio->scaler().scale() > 1.0);

        avvio->BottoneAvvio->click();
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(takesTheScreen(menu));

        // F11: back to the place the window would have had, with its frame.
        QVERIFY(Windows::pressF11(menu));
        QVERIFY(menu->isVisible());
        QVERIFY(!(menu->windowState() & Qt::WindowFullScreen));
        QVERIFY(!(menu->windowFlags() & Qt::FramelessWindowHint));
        QTRY_COMPARE(menu->size(), QSize(640, 480));
        QVERIFY(menu->screen()->geometry().contains(menu->geometry()));

        QVERIFY(Windows::pressF11(menu));
        QVERIFY(takesTheScreen(menu));
        menu->Command(4)->click();
        TestBench::flush();
        QVERIFY(takesTheScreen(bench.current()));
    }

    // Without a window manager nobody gives the keyboard back when a message
    // box closes: the window takes it again, or F11 would reach nothing.
    void theKeyboardComesBackAfterAMessageBox() {
        if (QGuiApplication::platformName() != QLatin1String("xcb") ||
            qEnvironmentVariable("VORTELIA_WINDOW_MANAGER") != QLatin1String("none"))
            QSKIP("only an X server with no window manager leaves the keyboard nowhere");
        QtMessageBox boxes;
        TestBench bench(creaFinestra, &boxes);
        bench.programma.setGestoreFinestre([] { return false; });
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(Windows::activate(menu));
        bool stuck = false, boxHadIt = false;
        OpenBox::whenShown(
            [&boxHadIt](QWidget* box) {
                boxHadIt = QTest::qWaitFor([box] { return keyboardWindow() == box->winId(); });
                QTest::keyClick(box, Qt::Key_Escape); // "No"
            },
            &stuck);
        menu->BottoneEsci->click();
        QVERIFY(!stuck && boxHadIt);
        QCOMPARE(bench.quitCalls, 0);
        // Qt's own idea of the focus follows its windows; the server's is what
        // a key pressed goes to.
        QTRY_COMPARE(keyboardWindow(), menu->winId());
    }

    // With a window manager, the window only asks for the state.
    void aWindowManagerIsLeftToDoIt() {
        TestBench bench;
        bench.programma.setGestoreFinestre([] { return true; });
        bench.programma.setStatoIniziale(Qt::WindowFullScreen);
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio->isFullScreen());
        QVERIFY(!(avvio->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(Windows::pressF11(avvio));
        QVERIFY(!avvio->isFullScreen());
        QVERIFY(!(avvio->windowFlags() & Qt::FramelessWindowHint));
    }

    // Whether a window manager runs: off X the platform places windows
    // itself; under X one must announce itself on the root window. ctest
    // runs this under Xvfb alone and with openbox, and says which.
    void windowManagerAnswersAsTheDisplayHasOne() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QVERIFY(FullScreen::windowManagerAnswers());
            return;
        }
        const QString manager = qEnvironmentVariable("VORTELIA_WINDOW_MANAGER");
        if (manager.isEmpty())
            QSKIP("under X, VORTELIA_WINDOW_MANAGER says whether one runs (none, openbox)");
        QVERIFY2(manager == QLatin1String("none") || manager == QLatin1String("openbox"),
                 qPrintable(manager));
#ifdef VORTELIA_PORTABLE
        // The Qt-alone layer cannot ask the X server: it takes one to run.
        QVERIFY(FullScreen::windowManagerAnswers());
#else
        QCOMPARE(FullScreen::windowManagerAnswers(), manager == QLatin1String("openbox"));
#endif
    }
};

VORTELIA_TEST_MAIN(tst_FullScreen)
#include "tst_FullScreen.moc"
