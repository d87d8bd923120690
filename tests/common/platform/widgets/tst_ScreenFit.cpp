// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window of a wanted size fits in the free area of a screen.

#include "common/platform/widgets/ScreenFit.h"

#include <QtTest>

class tst_ScreenFit : public QObject {
    Q_OBJECT

private slots:
    void fitToScreen() {
        const QMargins frame(4, 30, 4, 4);
        // Fits: the wanted size, centred.
        QCOMPARE(ScreenFit::clientGeometry({640, 480}, frame, {0, 0, 1920, 1040}),
                 QRect(640, 293, 640, 480));
        // 200 % on 1024x768 with a panel: the largest size of the same shape.
        const QRect small(0, 0, 512, 370);
        const QRect client = ScreenFit::clientGeometry({701, 557}, frame, small);
        QVERIFY(small.contains(client.marginsAdded(frame)));
        QCOMPARE(client.height(), 370 - 34);
        QCOMPARE(client.width(), int(701 * 336.0 / 557));
        // A screen that does not start at the origin, narrower than tall.
        const QRect tall(1920, 100, 600, 900);
        const QRect c2 = ScreenFit::clientGeometry({701, 557}, frame, tall);
        QVERIFY(tall.contains(c2.marginsAdded(frame)));
        QCOMPARE(c2.width(), 592);
    }
};

QTEST_GUILESS_MAIN(tst_ScreenFit)
#include "tst_ScreenFit.moc"
