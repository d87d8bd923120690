// SPDX-License-Identifier: GPL-3.0-or-later
// Controls that touch in the stored layout (a counter's caption and its
// value, the frame's lines and boxes) still touch at any scale: the scaler
// rounds edges, not sizes.

#include "common/platform/widgets/UniformScaler.h"
#include "support/TestMain.h"

#include <QWidget>
#include <QtTest>

class tst_UniformScaler : public QObject {
    Q_OBJECT

private slots:
    void touchingControlsStillTouch() {
        const QSize stored(400, 300);
        QWidget surface;
        surface.resize(stored);
        UniformScaler scaler(&surface, stored);
        // Side by side and one under the other, at odd places and sizes.
        QList<std::pair<QWidget*, QWidget*>> pairs;
        for (int at = 1; at < 60; at += 7) {
            auto* left = new QWidget(&surface);
            left->setGeometry(at, 2 * at, 33 + at % 5, 17);
            auto* right = new QWidget(&surface);
            right->setGeometry(left->geometry().right() + 1, 2 * at, 21, 17);
            auto* below = new QWidget(&surface);
            below->setGeometry(at, left->geometry().bottom() + 1, 33 + at % 5, 9 + at % 4);
            pairs << std::pair{left, right} << std::pair{left, below};
        }
        QCoreApplication::sendPostedEvents();
        for (int percent = 105; percent <= 295; percent += 10) {
            surface.resize(stored * (percent / 100.0));
            scaler.apply();
            QVERIFY(scaler.scale() > 1.0);
            for (const auto& [first, second] : pairs) {
                const QRect a = first->geometry(), b = second->geometry();
                const bool sideBySide = b.top() == a.top();
                QVERIFY2(sideBySide ? a.right() + 1 == b.left() : a.bottom() + 1 == b.top(),
                         qPrintable(QStringLiteral("at %1 %: %2,%3 %4x%5 and %6,%7")
                                        .arg(percent)
                                        .arg(a.x())
                                        .arg(a.y())
                                        .arg(a.width())
                                        .arg(a.height())
                                        .arg(b.x())
                                        .arg(b.y())));
            }
        }
    }
};

VORTELIA_TEST_MAIN(tst_UniformScaler)
#include "tst_UniformScaler.moc"
