// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes on a window of any size: at the stored size they
// are the toolkit's own; on a big board they grow with their window, within
// the screen.

#include "support/OpenBox.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/FormMenu.h"
#include "common/Modulo1.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

namespace {

struct Seen {
    qreal points = 0;
    QSize size;
    QSize button;
    QRect frame;
    bool stuck = false;
};

Seen seenOver(QWidget* parent, const QString& text, MessageBoxService::Buttons buttons) {
    Seen seen;
    OpenBox::whenShown(
        [&seen](QWidget* box) {
            seen.points = box->font().pointSizeF();
            seen.size = box->size();
            seen.frame = box->frameGeometry();
            if (auto* button = box->findChild<QPushButton*>())
                seen.button = button->size();
            box->close();
        },
        &seen.stuck);
    QtMessageBox boxes;
    boxes.show(parent,
               {Modulo1::titolo(), text,
                buttons == MessageBoxService::Buttons::Ok ? MessageBoxService::Icon::Information
                                                          : MessageBoxService::Icon::Question,
                buttons});
    return seen;
}

} // namespace

class tst_GrowingMessageBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

    void boxesGrowWithTheirWindow_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("buttons");
        const int yesNo = int(MessageBoxService::Buttons::YesNo);
        const int ok = int(MessageBoxService::Buttons::Ok);
        QTest::newRow("menu, quit")
            << int(FinestraId::FormMenu) << QStringLiteral("Vuoi uscire dal programma?") << yesNo;
        QTest::newRow("exercise, back to the menu")
            << int(FinestraId::FormEs6) << QStringLiteral("Vuoi tornare al menù?") << yesNo;
        QTest::newRow("exercise, information")
            << int(FinestraId::FormEs4) << Modulo1::testoInformazioni() << ok;
    }
    void boxesGrowWithTheirWindow() {
        QFETCH(int, window);
        QFETCH(QString, text);
        QFETCH(int, buttons);
        const auto kind = MessageBoxService::Buttons(buttons);
        TestBench bench;
        bench.programma.mostra(FinestraId(window));
        TestBench::flush();
        QWidget* w = bench.current();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // At the stored size: exactly the box any window would get.
        QWidget plain;
        const Seen usual = seenOver(&plain, text, kind);
        const Seen normal = seenOver(w, text, kind);
        QVERIFY(!usual.stuck && !normal.stuck);
        QCOMPARE(normal.points, usual.points);
        QCOMPARE(normal.size, usual.size);

        // As large as the screen: the text and the buttons grow by the
        // window's scale, and the box stays on the screen.
        const QRect screen = w->screen()->availableGeometry();
        w->setGeometry(screen);
        QVERIFY(QTest::qWaitFor([&] { return w->geometry() == screen; }));
        const qreal factor = QtMessageBox::scaleFor(w);
        QVERIFY(factor > 1.2);
        const Seen big = seenOver(w, text, kind);
        QVERIFY(!big.stuck);
        QCOMPARE(big.points, normal.points * factor);
        QVERIFY(big.button.height() > normal.button.height());
        QVERIFY(big.button.width() > normal.button.width());
        QVERIFY(screen.contains(big.frame));

        // Far larger than the screen: as large as the screen holds.
        QVERIFY(Windows::resizeTo(w, screen.size() * 4));
        const Seen huge = seenOver(w, text, kind);
        QVERIFY(!huge.stuck);
        QVERIFY(huge.points > normal.points);
        QVERIFY(huge.size.width() <= screen.width() && huge.size.height() <= screen.height());
    }

    // A box belongs to its window: modal, its parent the window's, so that
    // the window system (a Wayland compositor too) keeps it over that window,
    // full screen or not, and Qt gives the window no input while it is up.
    void boxesAreModalOverTheirWindow_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("window") << false;
        QTest::newRow("full screen") << true;
    }
    void boxesAreModalOverTheirWindow() {
        QFETCH(bool, fullScreen);
        TestBench bench;
        bench.programma.setStatoIniziale(fullScreen ? Qt::WindowFullScreen : Qt::WindowNoState);
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        bool stuck = false;
        bool modal = false;
        bool over = false;
        OpenBox::whenShown(
            [&](QWidget* box) {
                modal = box->isModal() && box->windowModality() == Qt::ApplicationModal &&
                        QGuiApplication::modalWindow() == box->windowHandle();
                over = box->windowHandle() &&
                       box->windowHandle()->transientParent() == w->windowHandle();
                box->close();
            },
            &stuck);
        QtMessageBox boxes;
        boxes.show(w, {Modulo1::titolo(), QStringLiteral("Vuoi tornare al menù?"),
                       MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
        QVERIFY(!stuck);
        QVERIFY(modal);
        QVERIFY(over);
    }

    void scaleComesFromTheWindowsLayout() {
        QCOMPARE(QtMessageBox::scaleFor(nullptr), 1.0);
        QWidget plain;
        QCOMPARE(QtMessageBox::scaleFor(&plain), 1.0);
    }
};

VORTELIA_TEST_MAIN(tst_GrowingMessageBox)
#include "tst_GrowingMessageBox.moc"
