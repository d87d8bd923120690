// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: its buttons and captions, the windows they open, its
// colour, the keyboard in it, and "Esci".

#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/CatalogoFinestre.h"
#include "app/FormMenu.h"
#include "common/Colori.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/settings/Impostazioni.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

using Request = MessageBoxService::Request;

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

} // namespace

class tst_FormMenu : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

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
            QCOMPARE(Windows::fontOf(b), QStringLiteral("Arial 12 bold"));
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

    void menuArrowsMoveBetweenColumnsAndRows() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(menu && Windows::activate(menu));
        QCOMPARE(QApplication::focusWidget(), menu->Command(7)); // right column, second row
        Windows::key(menu, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), menu->Command(3));
        Windows::key(menu, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), menu->Command(8)); // left column, first row
        Windows::key(menu, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), menu->Command(9));
        Windows::key(menu, Qt::Key_Tab); // Tab keeps the menu's own order
        QCOMPARE(QApplication::focusWidget(), menu->Command(10));
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

    // A school that shows only the symmetries: the other buttons and their
    // sub-captions leave their places empty, the rest stay where they were
    // in the keyboard's order, and a screen reader meets only them.
    void hiddenExercisesLeaveTheirPlacesEmpty() {
        TestBench bench;
        Impostazioni simmetrie;
        simmetrie.esercizi = {1, 7, 14, 15};
        bench.impostazioni(simmetrie);
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QStringList captions;
        for (const MenuEntry& entry : menuDesign) {
            PictureButton* button = menu->Command(entry.command);
            QCOMPARE(button != nullptr, simmetrie.mostraEsercizio(numeroEsercizio(entry.opens)));
            if (button)
                QCOMPARE(button->geometry().topLeft(), Twips::point(entry.twips));
        }
        for (QPushButton* button : menu->findChildren<QPushButton*>())
            captions << button->text();
        QCOMPARE(captions.size(), 5); // and "Esci"
        for (int i = 0; i < 10; ++i)  // the sub-captions are all of rotations
            QVERIFY(!menu->Label1(i));

        const QList<QWidget*> expected = {menu->BottoneEsci, menu->Command(5), menu->Command(6),
                                          menu->Command(14), menu->Command(15)};
        QCOMPARE(tabOrder(menu->BottoneEsci), expected);
        QVERIFY(Windows::activate(menu));
        QCOMPARE(QApplication::focusWidget(), menu->BottoneEsci);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(menu);
        QStringList names;
        for (int i = 0; i < a11y->childCount(); ++i)
            if (a11y->child(i)->role() == QAccessible::Button)
                names << a11y->child(i)->text(QAccessible::Name);
        QCOMPARE(names.size(), 5);
        QVERIFY(!names.join(' ').contains(QLatin1String("rotazione")));
    }

    // Pupils who cannot quit have no "Esci", and its key does nothing.
    void lockedMenuHasNoWayOut() {
        TestBench bench;
        Impostazioni blocco;
        blocco.blocco = true;
        bench.impostazioni(blocco);
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(Windows::activate(menu));
        QVERIFY(!menu->BottoneEsci->isVisible());
        QCOMPARE(QApplication::focusWidget(), menu->Command(7));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->Command(1));
        menu->BottoneEsci_Click();
        QVERIFY(bench.messaggi.asked.isEmpty());
        QCOMPARE(bench.current(), menu);
    }
};

VORTELIA_TEST_MAIN(tst_FormMenu)
#include "tst_FormMenu.moc"
