// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the type-of-rotation window (FormEs4) with scripted draws: the four
// views it shows for each first picture and sense, and the two signs.

#include "support/BenchFixture.h"
#include "support/SeeingPupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_type/TipoRotazione.h"

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class tst_TipoRotazione : public BenchFixture {
    Q_OBJECT

    TipoRotazione* apri(int lettera, bool orario, int primo) {
        bench->rnd.scriptDraws({{0, 18}, {lettera, 26}, {orario ? 1 : 0, 2}, {primo - 1, 8}});
        return bench->open<TipoRotazione>(FinestraId::FormEs4);
    }

private slots:
    void setUpShowsTheFourViewsOfTheDrawnSense_data() {
        QTest::addColumn<bool>("orario");
        QTest::addColumn<int>("primo");
        QTest::addColumn<QList<int>>("viste");
        const QList<QList<int>> orarie = {{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3},
                                          {5, 6, 7, 8}, {6, 7, 8, 5}, {7, 8, 5, 6}, {8, 5, 6, 7}};
        const QList<QList<int>> antiorarie = {{1, 4, 3, 2}, {2, 1, 4, 3}, {3, 2, 1, 4},
                                              {4, 3, 2, 1}, {5, 8, 7, 6}, {6, 5, 8, 7},
                                              {7, 6, 5, 8}, {8, 7, 6, 5}};
        for (int k = 1; k <= 8; ++k) {
            QTest::addRow("clockwise from %d", k) << true << k << orarie[k - 1];
            QTest::addRow("anticlockwise from %d", k) << false << k << antiorarie[k - 1];
        }
    }
    void setUpShowsTheFourViewsOfTheDrawnSense() {
        QFETCH(bool, orario);
        QFETCH(int, primo);
        QFETCH(QList<int>, viste);
        const int lettera = (3 * primo + (orario ? 1 : 0)) % 26;
        auto* w = apri(lettera, orario, primo);
        QVERIFY(w);
        QCOMPARE(bench->rnd.pending(), 0);
        QCOMPARE(bench->rnd.taken(), 4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(w->Image2[i]->picture());
            QCOMPARE(w->Image2[i]->picture(),
                     bench->figure.immagine(QChar(u'a' + lettera), viste[i]));
        }
        QVERIFY(!w->Shape1->isVisible());
        QVERIFY(!w->Shape2->isVisible());
        QVERIFY(w->Image1->isEnabled());
        QVERIFY(w->Image3->isEnabled());
        QVERIFY(!w->BottoneAvanti->isEnabled());
    }

    // A wrong sign only counts an error; the right one frames itself in red
    // and closes the exercise until avanti.
    void wrongSignCountsAnErrorAndTheRightOneClosesTheExercise_data() {
        QTest::addColumn<bool>("orario");
        QTest::addColumn<bool>("primaSbagliato");
        QTest::newRow("clockwise") << true << false;
        QTest::newRow("anticlockwise") << false << false;
        QTest::newRow("clockwise after a wrong sign") << true << true;
        QTest::newRow("anticlockwise after a wrong sign") << false << true;
    }
    void wrongSignCountsAnErrorAndTheRightOneClosesTheExercise() {
        QFETCH(bool, orario);
        QFETCH(bool, primaSbagliato);
        auto* w = apri(7, orario, orario ? 6 : 3);
        const auto& stato = bench->stato();
        const auto& suoni = bench->suoni.played;
        const int errori = primaSbagliato ? 1 : 0;

        if (primaSbagliato) {
            TestBench::click(orario ? w->Image3 : w->Image1);
            QCOMPARE(stato.NumeroErrati, 1);
            QCOMPARE(stato.NumeroEsatti, 0);
            QCOMPARE(w->EtichettaErrati->text(), QStringLiteral(" 1"));
            QVERIFY(w->ComandoIconaNo->isVisible());
            QVERIFY(!w->ComandoIconaSi->isVisible());
            QVERIFY(!w->Shape1->isVisible());
            QVERIFY(!w->Shape2->isVisible());
            QVERIFY(w->Image1->isEnabled());
            QVERIFY(w->Image3->isEnabled());
            QVERIFY(!w->BottoneAvanti->isEnabled());
            QCOMPARE(suoni, QStringList{bench->ctx().cartellaApplicazione + "/suoni/no.wav"});
        }

        TestBench::click(orario ? w->Image1 : w->Image3);
        QCOMPARE(w->Shape1->isVisible(), orario);
        QCOMPARE(w->Shape2->isVisible(), !orario);
        QVERIFY(w->ComandoIconaSi->isVisible());
        QVERIFY(!w->ComandoIconaNo->isVisible());
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, errori);
        QCOMPARE(w->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(w->BottoneAvanti->isEnabled());
        QVERIFY(!w->Image1->isEnabled());
        QVERIFY(!w->Image3->isEnabled());
        QCOMPARE(suoni.size(), errori + 1);
        QVERIFY(QRegularExpression(QStringLiteral("/suoni/si[1-4]\\.wav$"))
                    .match(suoni.last())
                    .hasMatch());

        TestBench::click(w->Image1);
        TestBench::click(w->Image3);
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, errori);
        QCOMPARE(suoni.size(), errori + 1);
        QCOMPARE(w->Shape1->isVisible(), orario);
        QCOMPARE(w->Shape2->isVisible(), !orario);

        TestBench::click(w->BottoneAvanti);
        QVERIFY(!w->Shape1->isVisible());
        QVERIFY(!w->Shape2->isVisible());
        QVERIFY(w->Image1->isEnabled());
        QVERIFY(w->Image3->isEnabled());
        QVERIFY(!w->BottoneAvanti->isEnabled());
    }

    // A pupil who only looks at the four views sees which way they turn, and
    // the sign for that sense is the one the window accepts, in both senses.
    void theSignMatchingTheViewsIsTheOneAccepted() {
        auto* w = bench->open<TipoRotazione>(FinestraId::FormEs4);
        int orarie = 0;
        const int giri = 60;
        for (int giro = 0; giro < giri; ++giro) {
            ImageBox* segno = SeeingPupil::answer(w);
            QVERIFY2(segno, qPrintable(QString("round %1: the views turn no clear way").arg(giro)));
            // Each view follows the one before it in the same sense.
            for (int i = 1; i < 3; ++i)
                QCOMPARE(SeeingPupil::senseOfRow(w->Image2.mid(i)),
                         SeeingPupil::senseOfRow(w->Image2));
            orarie += segno == w->Image1;
            TestBench::click(segno);
            QVERIFY2(w->BottoneAvanti->isEnabled(), qPrintable(QString("round %1").arg(giro)));
            TestBench::click(w->BottoneAvanti);
        }
        QCOMPARE(bench->stato().NumeroErrati, 0);
        QVERIFY(orarie > 0 && orarie < giri);
    }
};

VORTELIA_TEST_MAIN(tst_TipoRotazione)
#include "tst_TipoRotazione.moc"
