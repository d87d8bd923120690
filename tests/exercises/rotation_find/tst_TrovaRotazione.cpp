// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the find-the-rotation windows (FormEs2, FormEs3, FormEs5, FormEs6)
// with scripted draws: the row of three views, the answer it asks for, and
// what a right or a wrong pick does.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/SeeingPupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

int candidati(int es) {
    return es == 3 || es == 6 ? 8 : 4;
}

// The number of the view a box shows: the tag of the candidate showing it.
int vista(const QList<ImageBox*>& candidates, const ImageBox* box) {
    for (const ImageBox* c : candidates)
        if (c->picture() && c->picture() == box->picture())
            return Estrazioni::numeroTag(*c);
    return 0;
}

// Scrambled dealings, each with one draw that hits a full box and is redrawn,
// and the tags they must leave, box by box.
QList<int> distribuzione(int n) {
    return n == 4 ? QList<int>{2, 0, 0, 3, 1} : QList<int>{7, 7, 6, 5, 4, 3, 2, 1, 0};
}
QStringList etichette(int n) {
    if (n == 4)
        return {" 2", " 4", " 1", " 3"};
    return {" 8", " 7", " 6", " 5", " 4", " 3", " 2", " 1"};
}

// Colour, letter, dealing, then sense and first view in the window's own order.
void scripta(ScriptedRandom& rnd, int es, int lettera, const QList<int>& dealing, int senso,
             int prima) {
    const int n = candidati(es);
    rnd.scriptDraws({{0, 18}, {lettera, 26}});
    for (int p : dealing)
        rnd.scriptDraws({{p, n}});
    if (es == 5)
        rnd.scriptDraws({{senso, 2}, {prima - 1, 4}});
    else if (es == 6)
        rnd.scriptDraws({{prima - 1, 8}, {senso, 2}});
    else
        rnd.scriptDraws({{prima - 1, n}});
}

const QRegularExpression suonoSi(QStringLiteral("/suoni/si[1-4]\\.wav$"));

} // namespace

class tst_TrovaRotazione : public BenchFixture {
    Q_OBJECT

    void righe() {
        QTest::addColumn<int>("es");
        QTest::addColumn<int>("senso"); // 1 clockwise, 0 anticlockwise; unused by 2 and 3
        QTest::addColumn<int>("prima");
        QTest::addColumn<QList<int>>("riga");
        QTest::addColumn<int>("giusta");
        QTest::addColumn<int>("sbagliata");
        QTest::newRow("Es2 from 2") << 2 << 1 << 2 << QList<int>{2, 3, 4} << 1 << 2;
        QTest::newRow("Es2 from 1") << 2 << 1 << 1 << QList<int>{1, 2, 3} << 4 << 1;
        QTest::newRow("Es3 from 7") << 3 << 1 << 7 << QList<int>{7, 8, 5} << 6 << 2;
        QTest::newRow("Es3 from 5") << 3 << 1 << 5 << QList<int>{5, 6, 7} << 8 << 4;
        QTest::newRow("Es5 anti from 2") << 5 << 0 << 2 << QList<int>{2, 1, 4} << 3 << 1;
        QTest::newRow("Es5 anti from 4") << 5 << 0 << 4 << QList<int>{4, 3, 2} << 1 << 3;
        QTest::newRow("Es5 clock from 4") << 5 << 1 << 4 << QList<int>{4, 1, 2} << 3 << 1;
        QTest::newRow("Es6 anti from 5") << 6 << 0 << 5 << QList<int>{5, 8, 7} << 6 << 2;
        QTest::newRow("Es6 anti from 1") << 6 << 0 << 1 << QList<int>{1, 4, 3} << 2 << 6;
        QTest::newRow("Es6 clock from 8") << 6 << 1 << 8 << QList<int>{8, 5, 6} << 7 << 5;
    }

private slots:
    // The set-up takes exactly the scripted values. A wrong pick only counts
    // an error; the right one completes the row with that very picture and
    // closes the exercise until avanti.
    void wrongPickCountsAnErrorAndTheRightOneCompletesTheRow_data() { righe(); }
    void wrongPickCountsAnErrorAndTheRightOneCompletesTheRow() {
        QFETCH(int, es);
        QFETCH(int, senso);
        QFETCH(int, prima);
        QFETCH(QList<int>, riga);
        QFETCH(int, giusta);
        QFETCH(int, sbagliata);
        const int n = candidati(es);
        const QChar letter(u'a' + 25 - es);
        scripta(bench->rnd, es, 25 - es, distribuzione(n), senso, prima);
        const qsizetype scripted = bench->rnd.pending();
        auto* w = bench->open<TrovaRotazione>(formEs(es));
        QVERIFY(w);
        QCOMPARE(bench->rnd.pending(), 0);
        QCOMPARE(bench->rnd.taken(), scripted);
        QCOMPARE(w->Image1.size(), n);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(w->Image1[i]->Tag, etichette(n)[i]);
            QCOMPARE(w->Image1[i]->picture(),
                     bench->figure.immagine(letter, Estrazioni::numeroTag(*w->Image1[i])));
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w->Image2[i]->picture(), bench->figure.immagine(letter, riga[i]));
        QVERIFY(!w->Image2[3]->picture());
        QCOMPARE(bench->stato().FiguraGiusta, giusta);
        const auto& stato = bench->stato();
        const auto& suoni = bench->suoni.played;

        TestBench::click(Pupil::boxTagged(w->Image1, sbagliata));
        QVERIFY(!w->ComandoIconaSi->isVisible());
        QVERIFY(w->ComandoIconaNo->isVisible());
        QCOMPARE(stato.NumeroErrati, 1);
        QCOMPARE(stato.NumeroEsatti, 0);
        QCOMPARE(w->EtichettaErrati->text(), QStringLiteral(" 1"));
        QCOMPARE(w->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(suoni, QStringList{bench->ctx().cartellaApplicazione + "/suoni/no.wav"});
        QVERIFY(!w->Image2[3]->picture());
        QVERIFY(!w->BottoneAvanti->isEnabled());
        for (ImageBox* box : w->Image1)
            QVERIFY(box->isEnabled());

        ImageBox* scelta = Pupil::boxTagged(w->Image1, giusta);
        TestBench::click(scelta);
        QVERIFY(w->Image2[3]->picture());
        QCOMPARE(w->Image2[3]->picture(), scelta->picture());
        QCOMPARE(w->Image2[3]->picture(), bench->figure.immagine(letter, giusta));
        QVERIFY(w->ComandoIconaSi->isVisible());
        QVERIFY(!w->ComandoIconaNo->isVisible());
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, 1);
        QCOMPARE(w->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(w->BottoneAvanti->isEnabled());
        QCOMPARE(suoni.size(), 2);
        QVERIFY(suonoSi.match(suoni[1]).hasMatch());

        QVERIFY(Pupil::clickAllDisabled(w->Image1));
        QCOMPARE(stato.NumeroEsatti, 1);
        QCOMPARE(stato.NumeroErrati, 1);
        QCOMPARE(suoni.size(), 2);

        TestBench::click(w->BottoneAvanti);
        QVERIFY(!w->Image2[3]->picture());
        QVERIFY(!w->BottoneAvanti->isEnabled());
        for (ImageBox* box : w->Image1)
            QVERIFY(box->isEnabled());
    }

    // Unscripted exercises: the row is always three quarter turns of one
    // group in one sense, and the answer is the fourth.
    void unscriptedRowsTurnOneGroupInOneSense_data() {
        QTest::addColumn<int>("es");
        QTest::addColumn<bool>("dueSensi");
        QTest::newRow("Es2") << 2 << false;
        QTest::newRow("Es3") << 3 << false;
        QTest::newRow("Es5") << 5 << true;
        QTest::newRow("Es6") << 6 << true;
    }
    void unscriptedRowsTurnOneGroupInOneSense() {
        QFETCH(int, es);
        QFETCH(bool, dueSensi);
        const int n = candidati(es);
        auto* w = bench->open<TrovaRotazione>(formEs(es));
        QSet<int> sensi, prime;
        const int giri = 150;
        for (int giro = 0; giro < giri; ++giro) {
            const int v[3] = {vista(w->Image1, w->Image2[0]), vista(w->Image1, w->Image2[1]),
                              vista(w->Image1, w->Image2[2])};
            QVERIFY2(v[0] && v[1] && v[2], "a row view is not among the candidates");
            const int gruppo = (v[0] - 1) / 4;
            const auto pos = [](int k) { return (k - 1) % 4; };
            const int d = (pos(v[1]) - pos(v[0]) + 4) % 4;
            QVERIFY(d == 1 || d == 3);
            QCOMPARE((v[1] - 1) / 4, gruppo);
            QCOMPARE((v[2] - 1) / 4, gruppo);
            QCOMPARE((pos(v[2]) - pos(v[1]) + 4) % 4, d);
            const int giusta = gruppo * 4 + (pos(v[2]) + d) % 4 + 1;
            QCOMPARE(bench->stato().FiguraGiusta, giusta);
            sensi << d;
            prime << v[0];

            ImageBox* scelta = Pupil::boxTagged(w->Image1, giusta);
            w->Image1_Click(scelta->index());
            QCOMPARE(w->Image2[3]->picture(), scelta->picture());
            QCOMPARE(bench->stato().NumeroEsatti, giro + 1);
            w->BottoneAvanti_Click();
        }
        QCOMPARE(bench->stato().NumeroErrati, 0);
        QCOMPARE(sensi.size(), dueSensi ? 2 : 1);
        if (!dueSensi)
            QVERIFY(sensi.contains(1));
        QCOMPARE(prime.size(), n);
    }

    // A pupil who only looks at the pictures, turning the views in the mind,
    // always finds the answer the window accepts, and only one candidate looks
    // right: the key agrees with the pictures shown.
    void aPupilLookingAtThePicturesFindsTheAcceptedAnswer_data() {
        unscriptedRowsTurnOneGroupInOneSense_data();
    }
    void aPupilLookingAtThePicturesFindsTheAcceptedAnswer() {
        QFETCH(int, es);
        auto* w = bench->open<TrovaRotazione>(formEs(es));
        QSet<QChar> lettere;
        const int giri = 60;
        for (int giro = 0; giro < giri; ++giro) {
            lettere << QFileInfo(w->Image2[0]->picture()->file()).baseName().at(0);
            ImageBox* scelta = SeeingPupil::answer(w);
            QVERIFY2(scelta, qPrintable(QString("round %1: no candidate, or more than one, "
                                                "continues the row")
                                            .arg(giro)));
            TestBench::click(scelta);
            QVERIFY2(w->BottoneAvanti->isEnabled(), qPrintable(QString("round %1").arg(giro)));
            QCOMPARE(w->Image2[3]->picture(), scelta->picture());
            w->BottoneAvanti_Click();
        }
        QCOMPARE(bench->stato().NumeroEsatti, giri);
        QCOMPARE(bench->stato().NumeroErrati, 0);
        QVERIFY2(lettere.size() > 15, "too few figures were seen");
    }
};

VORTELIA_TEST_MAIN(tst_TrovaRotazione)
#include "tst_TrovaRotazione.moc"
