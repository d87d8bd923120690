// SPDX-License-Identifier: GPL-3.0-or-later
// Int(Rnd * n) from the program's generator: below n, one value a draw.

#include "doubles/ScriptedRandom.h"

#include <QtTest>

class tst_RandomSource : public QObject {
    Q_OBJECT

private slots:
    void drawStaysBelowN() {
        ScriptedRandom rnd;
        for (int n = 1; n <= 26; ++n) {
            rnd.script({ScriptedRandom::justBelowOne, 0.0f});
            QCOMPARE(rnd.draw(n), n - 1);
            QCOMPARE(rnd.draw(n), 0);
        }
        // One value per draw, none more.
        QCOMPARE(rnd.taken(), 52);
        QCOMPARE(rnd.pending(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_RandomSource)
#include "tst_RandomSource.moc"
