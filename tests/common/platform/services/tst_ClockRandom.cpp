// SPDX-License-Identifier: GPL-3.0-or-later
// The generator the program uses: values in [0, 1), spread evenly.

#include "common/platform/services/ClockRandom.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

class tst_ClockRandom : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(tst_ClockRandom)
#include "tst_ClockRandom.moc"
