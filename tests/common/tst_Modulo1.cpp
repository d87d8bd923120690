// SPDX-License-Identifier: GPL-3.0-or-later
// The information box: its title, its four lines and its one button.

#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/Modulo1.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

using Request = MessageBoxService::Request;

} // namespace

class tst_Modulo1 : public QObject {
    Q_OBJECT

private slots:
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

VORTELIA_TEST_MAIN(tst_Modulo1)
#include "tst_Modulo1.moc"
