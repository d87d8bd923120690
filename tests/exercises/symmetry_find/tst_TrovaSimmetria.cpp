// SPDX-License-Identifier: GPL-3.0-or-later
// The four find-the-symmetry windows: set-up, judging, and their partner
// tables checked against the pictures themselves.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QLabel>
#include <QtTest>

#include <functional>

namespace {

using Reflection = std::function<QPoint(int x, int y, int side)>;

// The four axes, as seen on screen (y grows downwards).
Reflection reflection(FinestraId id) {
    switch (id) {
    case FinestraId::FormEs1: // vertical
        return [](int x, int y, int s) { return QPoint(s - 1 - x, y); };
    case FinestraId::FormEs7: // horizontal
        return [](int x, int y, int s) { return QPoint(x, s - 1 - y); };
    case FinestraId::FormEs14: // bottom left to top right
        return [](int x, int y, int s) { return QPoint(s - 1 - y, s - 1 - x); };
    default: // top left to bottom right
        return [](int x, int y, int) { return QPoint(y, x); };
    }
}

QImage reflected(const QImage& source, const Reflection& r) {
    const QImage in = source.convertToFormat(QImage::Format_RGB32);
    QImage out(in.size(), QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x)
            out.setPixel(r(x, y, in.width()), in.pixel(x, y));
    return out;
}

double meanDifference(const QImage& a, const QImage& b) {
    const QImage p = a.convertToFormat(QImage::Format_RGB32);
    const QImage q = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb u = p.pixel(x, y), v = q.pixel(x, y);
            sum += std::abs(qRed(u) - qRed(v)) + std::abs(qGreen(u) - qGreen(v)) +
                   std::abs(qBlue(u) - qBlue(v));
        }
    return sum / (3.0 * p.width() * p.height());
}

// Dealing that puts picture i + 1 into box i, then the model at box index m.
void scriptSetUp(ScriptedRandom& rnd, int letter, int modelBox) {
    rnd.scriptDraws({{0, 18}, {letter, 26}});
    for (int p = 0; p < 8; ++p)
        rnd.scriptDraws({{p, 8}});
    rnd.scriptDraws({{modelBox, 8}});
}

} // namespace

class tst_TrovaSimmetria : public BenchFixture {
    Q_OBJECT

    TrovaSimmetria* open(FinestraId id) { return bench->open<TrovaSimmetria>(id); }

private slots:
    void windows_data() {
        QTest::addColumn<int>("window");
        for (const auto& p : TrovaSimmetria::finestre())
            QTest::newRow(titoloEsercizio(p.id)) << int(p.id);
    }

    void everySetUpDealsAllEightAndOneRightAnswer_data() { windows_data(); }
    void everySetUpDealsAllEightAndOneRightAnswer() {
        QFETCH(int, window);
        auto* w = open(FinestraId(window));
        for (int round = 0; round < 60; ++round) {
            QList<int> tags;
            for (ImageBox* box : w->Image1)
                tags << Estrazioni::numeroTag(*box);
            std::sort(tags.begin(), tags.end());
            QCOMPARE(tags, QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
            ImageBox* model = w->Image1[bench->stato().FiguraGiusta];
            QVERIFY(w->Image2[0]->picture());
            QCOMPARE(w->Image2[0]->picture(), model->picture());
            QVERIFY(!w->Image2[1]->picture());
            const int right =
                int(std::count_if(w->Image1.begin(), w->Image1.end(), [&](ImageBox* b) {
                    return Estrazioni::numeroTag(*b) == w->FiguraSimmetrica;
                }));
            QCOMPARE(right, 1);
            QVERIFY(Estrazioni::numeroTag(*model) != w->FiguraSimmetrica);
            // Leave every other question answered, so the next set-up starts from both states.
            if (round % 2 == 0)
                for (ImageBox* box : w->Image1)
                    if (Estrazioni::numeroTag(*box) == w->FiguraSimmetrica)
                        w->Image1_Click(box->index());
            w->BottoneAvanti_Click();
        }
    }

    void examplesFromTheTables_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("partner");
        QTest::newRow("vertical, 2") << int(FinestraId::FormEs1) << 2 << 8;
        QTest::newRow("horizontal, 4") << int(FinestraId::FormEs7) << 4 << 8;
        QTest::newRow("diagonal 1, 1") << int(FinestraId::FormEs14) << 1 << 6;
        QTest::newRow("diagonal 2, 4") << int(FinestraId::FormEs15) << 4 << 5;
    }
    void examplesFromTheTables() {
        QFETCH(int, window);
        QFETCH(int, model);
        QFETCH(int, partner);
        scriptSetUp(bench->rnd, 3, model - 1);
        auto* w = open(FinestraId(window));
        QCOMPARE(bench->stato().FiguraGiusta, std::int16_t(model - 1));
        QCOMPARE(w->FiguraSimmetrica, std::int16_t(partner));
        QCOMPARE(w->Image2[0]->picture(), bench->figure.immagine('d', model));
    }

    void wrongClicksCountAndTheRightOneFillsTheAnswer() {
        scriptSetUp(bench->rnd, 0, 1); // model: picture 2, mirror: picture 8
        auto* w = open(FinestraId::FormEs1);
        TestBench::click(w->Image1[1]); // the model's own candidate
        TestBench::click(w->Image1[4]);
        QCOMPARE(w->EtichettaErrati->text(), QString(" 2"));
        QVERIFY(!w->Image2[1]->picture());
        QVERIFY(w->Image1[7]->isEnabled());
        TestBench::click(w->Image1[7]);
        QCOMPARE(w->Image2[1]->picture(), w->Image1[7]->picture());
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        QVERIFY(w->ComandoIconaSi->isVisible());
        // Answered: no candidate reacts until "avanti".
        for (ImageBox* box : w->Image1)
            TestBench::click(box);
        QCOMPARE(w->EtichettaErrati->text(), QString(" 2"));
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        TestBench::click(w->BottoneAvanti);
        QVERIFY(!w->Image2[1]->picture());
        QVERIFY(w->Image1[0]->isEnabled());
    }

    // The tables are facts of geometry: the partner of every view must be
    // that view reflected in the window's axis, for every figure.
    void partnerTablesAgreeWithThePictures_data() { windows_data(); }
    void partnerTablesAgreeWithThePictures() {
        QFETCH(int, window);
        const auto& tables = TrovaSimmetria::finestre();
        const auto& p = *std::find_if(tables.begin(), tables.end(),
                                      [&](const auto& t) { return int(t.id) == window; });
        const Reflection axis = reflection(p.id);
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            for (int m = 1; m <= 8; ++m) {
                const PicturePtr model = bench->figure.immagine(letter, m);
                QVERIFY2(model, qPrintable(QString("%1%2").arg(letter).arg(m)));
                const QImage mirror = reflected(model->image(), axis);
                int best = 0;
                double bestScore = 1e9;
                for (int n = 1; n <= 8; ++n) {
                    const double score =
                        meanDifference(mirror, bench->figure.immagine(letter, n)->image());
                    if (score < bestScore) {
                        bestScore = score;
                        best = n;
                    }
                }
                const QString where = QString("%1%2").arg(letter).arg(m);
                QVERIFY2(best == p.partner[std::size_t(m - 1)], qPrintable(where));
                QVERIFY2(bestScore < 3.0, qPrintable(where)); // JPEG noise only
            }
        }
    }
};

VORTELIA_TEST_MAIN(tst_TrovaSimmetria)
#include "tst_TrovaSimmetria.moc"
