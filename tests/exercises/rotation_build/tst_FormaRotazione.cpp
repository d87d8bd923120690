// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the build-the-rotation windows (FormEs8 to FormEs13) with scripted
// draws: the start view, the sign, the three picks that complete the row and
// the picks that must be refused.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

int candidati(int es) {
    return es >= 11 ? 8 : 4;
}

// A scrambled dealing with one draw that hits a full box.
QList<int> distribuzione(int n) {
    return n == 4 ? QList<int>{3, 1, 1, 0, 2} : QList<int>{0, 7, 0, 6, 1, 5, 2, 4, 3};
}

} // namespace

class tst_FormaRotazione : public BenchFixture {
    Q_OBJECT

    // senso: the drawn direction, or -1 for the windows that draw none.
    FormaRotazione* apri(int es, int lettera, int senso, int inizio) {
        const int n = candidati(es);
        bench->rnd.scriptDraws({{0, 18}, {lettera, 26}});
        for (int p : distribuzione(n))
            bench->rnd.scriptDraws({{p, n}});
        if (senso >= 0)
            bench->rnd.scriptDraws({{senso, 2}});
        bench->rnd.scriptDraws({{inizio - 1, 4}});
        return bench->open<FormaRotazione>(formEs(es));
    }

    void righe(bool soloOtto) {
        QTest::addColumn<int>("es");
        QTest::addColumn<int>("senso");
        QTest::addColumn<int>("inizio");
        QTest::addColumn<QList<int>>("ordine");
        QTest::addColumn<bool>("orario");
        if (!soloOtto) {
            QTest::newRow("Es8 from 4") << 8 << -1 << 4 << QList<int>{1, 2, 3} << true;
            QTest::newRow("Es9 from 1") << 9 << -1 << 1 << QList<int>{4, 3, 2} << false;
            QTest::newRow("Es10 clock from 2") << 10 << 1 << 2 << QList<int>{3, 4, 1} << true;
            QTest::newRow("Es10 anti from 1") << 10 << 0 << 1 << QList<int>{4, 3, 2} << false;
        }
        QTest::newRow("Es11 from 3") << 11 << -1 << 3 << QList<int>{4, 1, 2} << true;
        QTest::newRow("Es12 from 2") << 12 << -1 << 2 << QList<int>{1, 4, 3} << false;
        QTest::newRow("Es13 clock from 4") << 13 << 1 << 4 << QList<int>{1, 2, 3} << true;
        QTest::newRow("Es13 anti from 3") << 13 << 0 << 3 << QList<int>{2, 1, 4} << false;
    }

private slots:
    void rightPicksBuildTheRowOneBoxAtATime_data() { righe(false); }
    void rightPicksBuildTheRowOneBoxAtATime() {
        QFETCH(int, es);
        QFETCH(int, senso);
        QFETCH(int, inizio);
        QFETCH(QList<int>, ordine);
        QFETCH(bool, orario);
        const QChar letter(u'a' + es);
        auto* w = apri(es, es, senso, inizio);
        QVERIFY(w);
        QCOMPARE(bench->rnd.pending(), 0);
        QCOMPARE(bench->rnd.taken(), distribuzione(candidati(es)).size() + (senso >= 0 ? 4 : 3));
        QCOMPARE(w->Image1.size(), candidati(es));
        for (ImageBox* box : w->Image1)
            QCOMPARE(box->picture(), bench->figure.immagine(letter, Estrazioni::numeroTag(*box)));
        QVERIFY(w->Image2[0]->picture());
        QCOMPARE(w->Image2[0]->picture(), bench->figure.immagine(letter, inizio));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!w->Image2[i]->picture());
        QCOMPARE(w->Image3[0]->isVisible(), orario);
        QCOMPARE(w->Image3[1]->isVisible(), !orario);
        QCOMPARE(w->ProssimaCasella, 1);

        const auto& stato = bench->stato();
        const auto& suoni = bench->suoni.played;
        // The start view's own candidate is not the next view.
        TestBench::click(Pupil::boxTagged(w->Image1, inizio));
        QCOMPARE(stato.NumeroErrati, 1);
        QVERIFY(!w->Image2[1]->picture());

        for (int k = 0; k < 3; ++k) {
            ImageBox* scelta = Pupil::boxTagged(w->Image1, ordine[k]);
            const PicturePtr figura = scelta->picture();
            TestBench::click(scelta);
            QCOMPARE(w->Image2[k + 1]->picture(), figura);
            QCOMPARE(scelta->picture(), figura);
            if (k == 2)
                break;
            QCOMPARE(w->ProssimaCasella, k + 2);
            QVERIFY(scelta->isEnabled());
            QVERIFY(!w->Image2[k + 2]->picture());
            QCOMPARE(stato.NumeroEsatti, 0);
            QVERIFY(!w->ComandoIconaSi->isVisible());
            QVERIFY(w->ComandoIconaNo->isVisible());
            QCOMPARE(suoni.size(), k + 1);
            if (k == 0) {
                // A view already in the row is not the next one.
                TestBench::click(scelta);
                QCOMPARE(stato.NumeroErrati, 2);
                QCOMPARE(w->ProssimaCasella, 2);
                QVERIFY(!w->Image2[2]->picture());
            }
        }
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, 2);
        QCOMPARE(w->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(w->EtichettaErrati->text(), QStringLiteral(" 2"));
        QVERIFY(w->ComandoIconaSi->isVisible());
        QVERIFY(w->BottoneAvanti->isEnabled());
        QCOMPARE(suoni.size(), 3);
        QVERIFY(suoni[0].endsWith(QStringLiteral("/suoni/no.wav")));
        QVERIFY(suoni[1].endsWith(QStringLiteral("/suoni/no.wav")));
        QVERIFY(
            QRegularExpression(QStringLiteral("/suoni/si[1-4]\\.wav$")).match(suoni[2]).hasMatch());

        // The row is complete: every candidate ignores clicks until avanti.
        QVERIFY(Pupil::clickAllDisabled(w->Image1));
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, 2);
        QCOMPARE(suoni.size(), 3);

        TestBench::click(w->BottoneAvanti);
        QVERIFY(!w->BottoneAvanti->isEnabled());
        QCOMPARE(w->ProssimaCasella, 1);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!w->Image2[i]->picture());
        for (ImageBox* box : w->Image1)
            QVERIFY(box->isEnabled());
    }

    // Views 5..8 are the mirror image: never in the row.
    void mirroredViewsAreNeverInTheRowAndCountAsWrong_data() { righe(true); }
    void mirroredViewsAreNeverInTheRowAndCountAsWrong() {
        QFETCH(int, es);
        QFETCH(int, senso);
        QFETCH(int, inizio);
        QFETCH(QList<int>, ordine);
        auto* w = apri(es, 25 - es, senso, inizio);
        int errori = 0;
        for (int k = 0; k < 3; ++k) {
            for (int m = 5; m <= 8; ++m) {
                TestBench::click(Pupil::boxTagged(w->Image1, m));
                QCOMPARE(bench->stato().NumeroErrati, ++errori);
                QCOMPARE(w->ProssimaCasella, k + 1);
                QVERIFY(!w->Image2[k + 1]->picture());
            }
            TestBench::click(Pupil::boxTagged(w->Image1, ordine[k]));
        }
        QCOMPARE(bench->stato().NumeroEsatti, 1);
        QCOMPARE(bench->stato().NumeroErrati, 12);
    }

    // Only the window with a drawn sense takes a value for it.
    void onlyTheWindowWithADrawnSenseTakesAValueForIt() {
        apri(8, 4, -1, 2);
        const int fisso = bench->rnd.taken();
        bench->rnd.resetCount();
        apri(10, 4, 1, 2);
        QCOMPARE(bench->rnd.taken(), fisso + 1);
        QCOMPARE(bench->rnd.pending(), 0);
    }
};

VORTELIA_TEST_MAIN(tst_FormaRotazione)
#include "tst_FormaRotazione.moc"
