// SPDX-License-Identifier: GPL-3.0-or-later
// Work that waits for a window's first paint.

#include "common/platform/widgets/AfterFirstPaint.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

// A window that counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class tst_AfterFirstPaint : public QObject {
    Q_OBJECT

private slots:
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
};

VORTELIA_TEST_MAIN(tst_AfterFirstPaint)
#include "tst_AfterFirstPaint.moc"
