// SPDX-License-Identifier: GPL-3.0-or-later
// The start window, the main menu and the moves between them.

#include "support/OpenBox.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/Windows.h"

#include "app/CatalogoFinestre.h"
#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/Colori.h"
#include "common/Modulo1.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/system/DestroyedWindowWatcher.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

using Request = MessageBoxService::Request;

void checkFont(const QWidget* w, const QString& family, int points, bool bold) {
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSizeF(), qreal(points));
    QCOMPARE(w->font().bold(), bold);
}

// The fifteen menu buttons as the design lists them: the button, its caption,
// its top left corner in twips and the window it opens.
struct MenuEntry {
    int command;
    const char* caption;
    QPoint twips;
    FinestraId opens;
};
const MenuEntry menuDesign[] = {
    {8, "Forma la rotazione - 1", {120, 120}, FinestraId::FormEs8},
    {9, "Forma la rotazione - 2", {120, 840}, FinestraId::FormEs9},
    {10, "Forma la rotazione - 3", {120, 1560}, FinestraId::FormEs10},
    {13, "Forma la rotazione - 4", {120, 2280}, FinestraId::FormEs11},
    {12, "Forma la rotazione - 5", {120, 3000}, FinestraId::FormEs12},
    {11, "Forma la rotazione - 6", {120, 3720}, FinestraId::FormEs13},
    {4, "Indica il tipo di rotazione", {120, 4440}, FinestraId::FormEs4},
    {1, "Trova la rotazione - 1", {120, 5160}, FinestraId::FormEs2},
    {2, "Trova la rotazione - 2", {120, 5880}, FinestraId::FormEs3},
    {3, "Trova la rotazione - 3", {5160, 240}, FinestraId::FormEs5},
    {7, "Trova la rotazione - 4", {5160, 960}, FinestraId::FormEs6},
    {5, "Trova la simmetria - asse verticale", {5160, 2280}, FinestraId::FormEs1},
    {6, "Trova la simmetria - asse orizzontale", {5160, 3000}, FinestraId::FormEs7},
    {14, "Trova la simmetria - asse diagonale - 1", {5160, 3720}, FinestraId::FormEs14},
    {15, "Trova la simmetria - asse diagonale - 2", {5160, 4440}, FinestraId::FormEs15},
};

// Tab-reachable controls from first, in keyboard order.
QList<QWidget*> tabOrder(QWidget* first) {
    QList<QWidget*> order;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
            order << w;
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

// "Esci" in the window's menu bar, clicked as a pupil would.
void clickEsci(FinestraEsercizio* window) {
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, Qt::NoModifier,
                      window->menuBar()->actionGeometry(window->mnuEsci).center());
}

} // namespace

class tst_AppShell : public QObject {
    Q_OBJECT

private slots:
    // The program file does not need the audio libraries: the many libraries
    // they pull in would be loaded and linked before the first paint.
    void audioLibrariesNotLoadedAtStart() {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(VORTELIA_APP_DIR "/vortelia")});
        QVERIFY(ldd.waitForFinished(30000));
        const QString needed = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Widgets")), qPrintable(needed));
        QVERIFY2(!needed.contains(QStringLiteral("libQt6Multimedia")), qPrintable(needed));
        QVERIFY2(!needed.contains(QStringLiteral("libpulse")), qPrintable(needed));
    }

    void cleanup() { TestBench::closeAll(); }

    void startWindowLayout() {
        TestBench bench;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio);
        QCOMPARE(avvio->size(), QSize(701, 557));
        QCOMPARE(avvio->windowTitle(), QStringLiteral("Vortelia"));

        QCOMPARE(avvio->Label2.size(), 1);
        QLabel* title = avvio->Label2[0];
        QCOMPARE(title->text(), QStringLiteral("Vortelia"));
        QCOMPARE(title->geometry(), QRect(56, 40, 554, 273));
        checkFont(title, QStringLiteral("Arial"), 72, true);
        QVERIFY(title->alignment() & Qt::AlignHCenter);
        QVERIFY(title->autoFillBackground());
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 255, 255));

        QCOMPARE(avvio->BottoneAvvio->text(), QStringLiteral("Avvio"));
        QCOMPARE(avvio->BottoneAvvio->geometry(), QRect(161, 333, 295, 95));
        checkFont(avvio->BottoneAvvio, QStringLiteral("Arial"), 24, true);

        QList<QWidget*> focusable;
        for (QWidget* w : avvio->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus)
                focusable << w;
        QCOMPARE(focusable, QList<QWidget*>{avvio->BottoneAvvio});
        QCOMPARE(avvio->focusWidget(), avvio->BottoneAvvio);
    }

    void startWindowColour() {
        TestBench bench;
        bench.rnd.scriptDraws({{6, 14}}); // c = 7, shown as entry 6
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QCOMPARE(bench.rnd.taken(), 1);
        QCOMPARE(Colori::sfondo(*avvio), qRgb(128, 128, 0));
        // The title keeps its cyan on any window colour.
        QCOMPARE(avvio->Label2[0]->palette().color(QPalette::Window), QColor(0, 255, 255));
    }

    void avvioOpensMenuAndUnloadsStart() {
        TestBench bench;
        QPointer<FormAvvio> avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        bench.rnd.scriptDraws({{17, 18}});
        TestBench::click(avvio->BottoneAvvio);
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu);
        QVERIFY(avvio.isNull());
        QCOMPARE(TestBench::visibleWindows(), 1);
        QVERIFY(menu->isVisible());
        QCOMPARE(Colori::sfondo(*menu), qRgb(255, 0, 255));
    }

    void menuRecoloursOnEveryOpening() {
        TestBench bench;
        bench.rnd.scriptDraws({{0, 18}});
        auto* first = bench.open<FormMenu>(FinestraId::FormMenu);
        QCOMPARE(bench.rnd.taken(), 1);
        QCOMPARE(Colori::sfondo(*first), qRgb(255, 192, 192));
        bench.rnd.scriptDraws({{9, 18}});
        auto* again = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(again && again != first);
        QCOMPARE(bench.rnd.taken(), 2);
        QCOMPARE(Colori::sfondo(*again), qRgb(0, 192, 0));
        QCOMPARE(TestBench::visibleWindows(), 1);
    }

    void menuButtons() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QCOMPARE(menu->size(), QSize(640, 480));
        for (int n = 1; n <= 15; ++n) {
            PictureButton* b = menu->Command(n);
            QVERIFY2(b, qPrintable(QString::number(n)));
            QCOMPARE(b->objectName(), QStringLiteral("Command%1").arg(n));
            QCOMPARE(b->size(), QSize(200, 41));
            checkFont(b, QStringLiteral("Arial"), 12, true);
        }
        for (const MenuEntry& e : menuDesign) {
            QCOMPARE(menu->Command(e.command)->text(), QString::fromUtf8(e.caption));
            QCOMPARE(menu->Command(e.command)->pos(), e.twips / 15);
        }

        QCOMPARE(menu->BottoneEsci->text(), QStringLiteral("Esci"));
        QCOMPARE(menu->BottoneEsci->geometry(), QRect(352, 376, 201, 49));
        QVERIFY(!menu->BottoneEsci->font().bold());
    }

    void menuSubCaptions() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        const QString four = QStringLiteral(" - tra 4 possibilità");
        const QString eight = QStringLiteral(" - tra 8 possibilità");
        const QStringList texts = {
            QStringLiteral("solo rotazioni orarie") + four,
            QStringLiteral("solo rotazioni orarie") + eight,
            QStringLiteral("rotazioni orarie e antiorarie") + four,
            QStringLiteral("rotazioni orarie e antiorarie") + eight,
            QStringLiteral("solo rotazioni orarie") + four,
            QStringLiteral("solo rotazioni antiorarie") + four,
            QStringLiteral("rotazioni orarie e antiorarie- tra 4 possibilità"),
            QStringLiteral("rotazioni orarie e antiorarie- tra 8 possibilità"),
            QStringLiteral("solo rotazioni antiorarie") + eight,
            QStringLiteral("solo rotazioni orarie") + eight,
        };
        for (int i = 0; i < 10; ++i) {
            QLabel* label = menu->Label1(i);
            QVERIFY2(label, qPrintable(QString::number(i)));
            QCOMPARE(label->text(), texts[i]);
            QCOMPARE(label->x(), (i == 2 || i == 3) ? 552 : 216);
            // A wrapped caption must stay inside the window.
            QVERIFY(label->geometry().right() < menu->width());
        }
        QVERIFY(!menu->Label1(10));
    }

    // Each button asks for its own window and nothing else, and what opens
    // is that window, titled with the button's caption, alone on the screen
    // and with both counters at "0".
    void menuButtonsOpenTheirWindows() {
        // A factory that records every window asked for and builds only the
        // start window and the menu, so the menu stays open while its buttons run.
        QList<FinestraId> asked;
        auto recordingBench = std::make_unique<TestBench>([&asked](FinestraId id, Contesto& ctx) {
            asked << id;
            const bool built = id == FinestraId::FormAvvio || id == FinestraId::FormMenu;
            return built ? creaFinestra(id, ctx) : nullptr;
        });
        auto* recording = recordingBench->open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(recording);
        for (const MenuEntry& e : menuDesign) {
            asked.clear();
            TestBench::click(recording->Command(e.command));
            QCOMPARE(asked, QList<FinestraId>{e.opens});
        }
        QCOMPARE(recordingBench->current(), recording);
        TestBench::closeAll();
        recordingBench.reset();

        TestBench bench;
        for (const MenuEntry& e : menuDesign) {
            auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
            QVERIFY(menu);
            TestBench::click(menu->Command(e.command));
            TestBench::flush();
            auto* opened = qobject_cast<FinestraEsercizio*>(bench.current());
            QVERIFY2(opened, e.caption);
            QVERIFY2(opened->id() == e.opens, e.caption);
            QCOMPARE(opened->windowTitle(), QString::fromUtf8(e.caption));
            QCOMPARE(TestBench::visibleWindows(), 1);
            QCOMPARE(opened->EtichettaEsatti->text(), QStringLiteral("0"));
            QCOMPARE(opened->EtichettaErrati->text(), QStringLiteral("0"));
        }
    }

    void menuTabOrderAndFocus() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QList<QWidget*> expected = {menu->Command(7), menu->BottoneEsci};
        for (int n : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15})
            expected << menu->Command(n);
        QCOMPARE(tabOrder(menu->Command(7)), expected);

        QVERIFY(Windows::activate(menu));
        QCOMPARE(QApplication::focusWidget(), menu->Command(7));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->BottoneEsci);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->Command(1));
    }

    void esciAnsweredNoChangesNothing() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        const QRgb colour = Colori::sfondo(*menu);
        const int taken = bench.rnd.taken();
        bench.messaggi.answer(MessageBoxService::Answer::No);
        TestBench::click(menu->BottoneEsci);
        TestBench::flush();

        QCOMPARE(bench.messaggi.asked.size(), 1);
        const Request& r = bench.messaggi.asked.first();
        QCOMPARE(r.title, QStringLiteral("Vortelia"));
        QCOMPARE(r.text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(r.icon, MessageBoxService::Icon::Question);
        QCOMPARE(r.buttons, MessageBoxService::Buttons::YesNo);
        QCOMPARE(bench.current(), menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(Colori::sfondo(*menu), colour);
        QCOMPARE(bench.rnd.taken(), taken);
        QCOMPARE(bench.quitCalls, 0);
    }

    void esciAnsweredYesQuits() {
        TestBench bench;
        QPointer<FormMenu> menu = bench.open<FormMenu>(FinestraId::FormMenu);
        bench.messaggi.answer(MessageBoxService::Answer::Yes);
        TestBench::click(menu->BottoneEsci);
        TestBench::flush();
        QCOMPARE(bench.messaggi.asked.size(), 1);
        QCOMPARE(bench.quitCalls, 1);
        QCOMPARE(TestBench::visibleWindows(), 0);
        QVERIFY(menu.isNull());
    }

    // A window that disappears without the program's asking (deleted, or its
    // native window destroyed by another program) was the only one open: the
    // program ends, as when its last window is closed.
    void windowGoneFromOutsideEndsTheProgram_data() {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<bool>("nativeOnly");
        QTest::newRow("start window deleted") << int(FinestraId::FormAvvio) << false;
        QTest::newRow("menu deleted") << int(FinestraId::FormMenu) << false;
        QTest::newRow("exercise deleted") << int(FinestraId::FormEs2) << false;
        QTest::newRow("menu's window destroyed") << int(FinestraId::FormMenu) << true;
        QTest::newRow("exercise's window destroyed") << int(FinestraId::FormEs2) << true;
    }
    void windowGoneFromOutsideEndsTheProgram() {
        QFETCH(int, finestra);
        QFETCH(bool, nativeOnly);
        TestBench bench;
        QPointer<QWidget> window = bench.open<QWidget>(FinestraId(finestra));
        QVERIFY(window);
        if (nativeOnly)
            DestroyedWindowWatcher::windowDestroyed(window->internalWinId());
        else
            delete window.data();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(bench.current(), nullptr);
        QCOMPARE(bench.quitCalls, 1);
        QCOMPARE(TestBench::visibleWindows(), 0);
    }

    // "Vuoi tornare al menù?" destroyed from outside counts as "No": the
    // exercise goes on and answers clicks.
    void esciBoxDestroyedLeavesTheExerciseAnswering() {
        QtMessageBox boxes;
        TestBench bench(creaFinestra, &boxes);
        FinestraEsercizio* window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window);
        bool stuck = false;
        OpenBox::whenShown(
            [](QWidget* box) { DestroyedWindowWatcher::windowDestroyed(box->internalWinId()); },
            &stuck);
        clickEsci(window);
        QVERIFY(!stuck);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bench.current(), window);
        QVERIFY(window->isVisible());
        QVERIFY(Pupil::solve(window, bench.stato()));
        QCOMPARE(window->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(bench.quitCalls, 0);
    }

    // The exercise window destroyed while its question is open: the question
    // is dismissed and the program ends, with nothing deleted under the
    // handler that asked.
    void windowDestroyedUnderItsOpenBoxEndsTheProgram() {
        QtMessageBox boxes;
        TestBench bench(creaFinestra, &boxes);
        QPointer<FinestraEsercizio> window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window);
        bool stuck = false;
        const WId id = window->internalWinId();
        OpenBox::whenShown([id](QWidget*) { DestroyedWindowWatcher::windowDestroyed(id); }, &stuck);
        clickEsci(window);
        QVERIFY(!stuck);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(bench.quitCalls, 1);
        QCOMPARE(TestBench::visibleWindows(), 0);
    }

    void informationBox() {
        TestBench bench;
        Modulo1::MostraInformazioni(bench.ctx(), nullptr);
        QCOMPARE(bench.messaggi.asked.size(), 1);
        const Request& r = bench.messaggi.asked.first();
        QCOMPARE(r.title, QStringLiteral("Vortelia"));
        QCOMPARE(r.icon, MessageBoxService::Icon::Information);
        QCOMPARE(r.buttons, MessageBoxService::Buttons::Ok);
        QCOMPARE(r.text.count(QLatin1Char('\n')), 3);
        QCOMPARE(r.text.count(QLatin1Char('\r')), 3);
        const QStringList lines = r.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QVERIFY(QRegularExpression(QStringLiteral("^\\S(.*\\S)?  $")).match(lines[0]).hasMatch());
        QCOMPARE(lines[1], QLatin1Char(' ') + QString(23, QLatin1Char('-')) + QLatin1Char(' '));
        QVERIFY2(QRegularExpression(QStringLiteral("^(https?://)?[\\w-]+(\\.[\\w-]+)+(/\\S*)?$"))
                     .match(lines[2])
                     .hasMatch(),
                 qPrintable(lines[2]));
        QVERIFY2(QRegularExpression(QStringLiteral("^mail: [\\w.+-]+@[\\w-]+(\\.[\\w-]+)+$"))
                     .match(lines[3])
                     .hasMatch(),
                 qPrintable(lines[3]));
        QCOMPARE(bench.quitCalls, 0);
    }
};

QTEST_MAIN(tst_AppShell)
#include "tst_AppShell.moc"
