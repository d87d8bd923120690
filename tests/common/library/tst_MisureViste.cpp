// SPDX-License-Identifier: GPL-3.0-or-later
// The size checks of a letter's views, on the sizes alone.

#include "common/library/MisureViste.h"

#include <QtTest>

using Misure = std::array<QSize, 8>;
Q_DECLARE_METATYPE(Misure)

namespace {

Misure tutte(QSize s) {
    Misure m;
    m.fill(s);
    return m;
}

} // namespace

class tst_MisureViste : public QObject {
    Q_OBJECT

private slots:
    void viewsOfAnotherSizeAreFound_data() {
        QTest::addColumn<Misure>("misure");
        QTest::addColumn<QList<int>>("fuori");
        QTest::newRow("all alike") << tutte({480, 480}) << QList<int>{};
        Misure girate = tutte({480, 320});
        girate[1] = girate[3] = girate[5] = girate[7] = QSize(320, 480);
        QTest::newRow("turned a quarter turn") << girate << QList<int>{};
        Misure vicine = tutte({480, 480});
        vicine[2] = {484, 476};
        QTest::newRow("within the tolerance") << vicine << QList<int>{};
        Misure lontana = tutte({480, 480});
        lontana[6] = {485, 480};
        QTest::newRow("just beyond it") << lontana << QList<int>{7};
        Misure minuscola = tutte({480, 480});
        minuscola[0] = {480, 31};
        QTest::newRow("too small") << minuscola << QList<int>{1};
        QTest::newRow("all too small") << tutte({31, 31}) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        Misure nonLette = tutte({480, 480});
        nonLette[3] = QSize();
        nonLette[4] = {240, 240};
        QTest::newRow("unread left alone") << nonLette << QList<int>{5};
        Misure meta = tutte({480, 480});
        for (int i = 4; i < 8; ++i)
            meta[i] = {240, 240};
        QTest::newRow("half and half: the first size wins") << meta << QList<int>{5, 6, 7, 8};
    }
    void viewsOfAnotherSizeAreFound() {
        QFETCH(Misure, misure);
        QFETCH(QList<int>, fuori);
        QCOMPARE(MisureViste::fuoriMisura(misure), fuori);
    }
};

QTEST_APPLESS_MAIN(tst_MisureViste)
#include "tst_MisureViste.moc"
