// SPDX-License-Identifier: GPL-3.0-or-later
// The ranges of days: whole local days at both ends, the week from Monday,
// the month, the school year from 1 September, and a day's local date.
#include "support/VociDiProva.h"

#include "common/reports/IntervalloDate.h"

#include <QtTest>

using namespace VociDiProva;
using Periodo = IntervalloDate::Periodo;

class tst_IntervalloDate : public QObject {
    Q_OBJECT

private slots:
    void todayIsTheWholeLocalDay() {
        const IntervalloDate i = IntervalloDate::periodo(Periodo::Oggi, oggi);
        QVERIFY(i.contiene(alle(oggi, QTime(0, 0))));
        QVERIFY(i.contiene(alle(oggi, QTime(23, 59, 59, 999))));
        QVERIFY(!i.contiene(alle(oggi.addDays(1), QTime(0, 0))));
        QVERIFY(!i.contiene(alle(oggi.addDays(-1), QTime(23, 59, 59, 999))));
    }

    // The last Sunday of October has 25 hours in Rome.
    void aDayWithAnHourMoreIsWholeToo() {
        const QDate cambio(2026, 10, 25);
        const IntervalloDate i(cambio, cambio);
        QVERIFY(i.contiene(alle(cambio, QTime(23, 30))));
        QVERIFY(!i.contiene(alle(cambio.addDays(1), QTime(0, 0))));
    }

    void periodsHoldToday_data() {
        QTest::addColumn<int>("periodo");
        QTest::addColumn<QDate>("oggi");
        QTest::addColumn<QDate>("dal");
        QTest::addColumn<QDate>("al");
        const auto riga = [](const char* nome, Periodo p, QDate o, QDate dal, QDate al) {
            QTest::newRow(nome) << int(p) << o << dal << al;
        };
        riga("week, Thursday", Periodo::Settimana, oggi, {2026, 12, 7}, {2026, 12, 13});
        riga("week, Monday", Periodo::Settimana, {2026, 12, 7}, {2026, 12, 7}, {2026, 12, 13});
        riga("week, Sunday", Periodo::Settimana, {2026, 12, 13}, {2026, 12, 7}, {2026, 12, 13});
        riga("week across New Year", Periodo::Settimana, {2027, 1, 1}, {2026, 12, 28},
             {2027, 1, 3});
        riga("month", Periodo::Mese, oggi, {2026, 12, 1}, {2026, 12, 31});
        riga("February", Periodo::Mese, {2028, 2, 10}, {2028, 2, 1}, {2028, 2, 29});
        riga("school year, autumn", Periodo::AnnoScolastico, oggi, {2026, 9, 1}, {2027, 8, 31});
        riga("school year, spring", Periodo::AnnoScolastico, {2027, 3, 15}, {2026, 9, 1},
             {2027, 8, 31});
        riga("school year, 31 August", Periodo::AnnoScolastico, {2027, 8, 31}, {2026, 9, 1},
             {2027, 8, 31});
        riga("school year, 1 September", Periodo::AnnoScolastico, {2027, 9, 1}, {2027, 9, 1},
             {2028, 8, 31});
    }
    void periodsHoldToday() {
        QFETCH(int, periodo);
        QFETCH(QDate, oggi);
        QFETCH(QDate, dal);
        QFETCH(QDate, al);
        const IntervalloDate i = IntervalloDate::periodo(Periodo(periodo), oggi);
        QCOMPARE(i.dal(), dal);
        QCOMPARE(i.al(), al);
    }

    void twoDatesInEitherOrderAreBothIncluded() {
        const IntervalloDate i({2026, 12, 9}, {2026, 11, 2});
        QCOMPARE(i.dal(), QDate(2026, 11, 2));
        QVERIFY(i.contiene(alle({2026, 12, 9}, QTime(18, 0))));
        QVERIFY(i.contiene(alle({2026, 11, 2}, QTime(0, 0))));
        QCOMPARE(i.descrizione(), QStringLiteral("dal 02/11/2026 al 09/12/2026"));
        QCOMPARE(IntervalloDate(oggi, oggi).descrizione(), QStringLiteral("il 10/12/2026"));
    }

    // Rome is an hour ahead of UTC in December: 00:30 is still yesterday in
    // UTC. Moments in any order, across midnight both ways.
    void aMomentsDayIsTheLocalOne() {
        GiornoLocale giorni;
        QCOMPARE(giorni.di(alle(oggi, QTime(23, 59))), oggi);
        QCOMPARE(giorni.di(alle(oggi.addDays(1), QTime(0, 30))), oggi.addDays(1));
        QCOMPARE(giorni.di(alle(oggi, QTime(0, 30))), oggi);
        QCOMPARE(giorni.di(alle(oggi, QTime(0, 0))), oggi);
        QCOMPARE(giorni.di(alle(oggi, QTime(0, 0)) - 1), oggi.addDays(-1));
    }
};

QTEST_GUILESS_MAIN(tst_IntervalloDate)
#include "tst_IntervalloDate.moc"
