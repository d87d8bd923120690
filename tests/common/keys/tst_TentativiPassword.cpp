// SPDX-License-Identifier: GPL-3.0-or-later
// The pause after wrong passwords: none for the first three, then doubling
// up to a minute, passing with the clock, gone after a right one.
#include "common/keys/TentativiPassword.h"

#include "doubles/ManualClock.h"

#include <QtTest>

class tst_TentativiPassword : public QObject {
    Q_OBJECT

private slots:
    void threeWrongTriesThenEachWaitsTwiceAsLong() {
        ManualClock orologio;
        TentativiPassword tentativi(orologio);
        tentativi.esito(false);
        tentativi.esito(false);
        QCOMPARE(tentativi.attesaMs(), qint64(0));
        QCOMPARE(tentativi.messaggio(), QString());
        const QList<qint64> attese = {1'000, 2'000, 4'000, 8'000, 16'000, 32'000, 60'000, 60'000};
        for (const qint64 attesa : attese) {
            tentativi.esito(false);
            QCOMPARE(tentativi.attesaMs(), attesa);
        }
        for (int i = 0; i < 100; ++i)
            tentativi.esito(false);
        QCOMPARE(tentativi.attesaMs(), qint64(60'000));
    }

    void theWaitPassesWithTheClock() {
        ManualClock orologio;
        TentativiPassword tentativi(orologio);
        for (int i = 0; i < 6; ++i)
            tentativi.esito(false);
        QCOMPARE(tentativi.messaggio(), "Troppi tentativi: riprova fra 8 secondi.");
        orologio.advance(7'500);
        QCOMPARE(tentativi.attesaMs(), qint64(500));
        QCOMPARE(tentativi.messaggio(), "Troppi tentativi: riprova fra un secondo.");
        orologio.advance(500);
        QCOMPARE(tentativi.attesaMs(), qint64(0));
        QCOMPARE(tentativi.messaggio(), QString());
    }

    void aRightPasswordStartsAfresh() {
        ManualClock orologio;
        TentativiPassword tentativi(orologio);
        for (int i = 0; i < 5; ++i)
            tentativi.esito(false);
        tentativi.esito(true);
        QCOMPARE(tentativi.attesaMs(), qint64(0));
        tentativi.esito(false);
        tentativi.esito(false);
        QCOMPARE(tentativi.attesaMs(), qint64(0));
    }
};

QTEST_GUILESS_MAIN(tst_TentativiPassword)
#include "tst_TentativiPassword.moc"
