// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the counters and the tags write and read them.

#include "common/platform/services/NumberText.h"

#include <QtTest>

class tst_NumberText : public QObject {
    Q_OBJECT

private slots:
    void numberText() {
        QCOMPARE(NumberText::signedForm(3), QStringLiteral(" 3"));
        QCOMPARE(NumberText::signedForm(0), QStringLiteral(" 0"));
        QCOMPARE(NumberText::signedForm(-4), QStringLiteral("-4"));
        QCOMPARE(NumberText::plainForm(0), QStringLiteral("0"));
        QCOMPARE(NumberText::plainForm(27), QStringLiteral("27"));
        QCOMPARE(NumberText::toNumber(QStringLiteral(" 3")), 3.0);
        QCOMPARE(NumberText::toNumber(QString()), 0.0);
        QCOMPARE(NumberText::toNumber(QStringLiteral("  12")), 12.0);
        QCOMPARE(NumberText::toNumber(QStringLiteral("abc")), 0.0);
        // Tags are written by signedForm and read back by toNumber.
        for (int v : {0, 1, 8, 32767})
            QCOMPARE(NumberText::toNumber(NumberText::signedForm(v)), double(v));
    }
};

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_NumberText.moc"
