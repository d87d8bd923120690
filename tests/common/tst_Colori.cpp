// SPDX-License-Identifier: GPL-3.0-or-later
// The window colour tables: a window recoloured by one draw, its labels
// keeping their own, and the start window's colours.

#include "doubles/ScriptedRandom.h"
#include "support/TestMain.h"

#include "common/Colori.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QLabel>
#include <QtTest>

#include <array>
#include <cmath>
#include <map>

namespace {

// A colour as the design writes it, &H00BBGGRR.
QRgb fromBgr(quint32 bgr) {
    return qRgb(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

// The two eighteen-colour tables of the design, index 1 to 18.
constexpr std::array<quint32, 18> menuColours = {
    0x00C0C0FF, 0x008080FF, 0x00C0C0FF, 0x0080C0FF, 0x000080FF, 0x00FFFF00,
    0x0000FFFF, 0x000040C0, 0x0080FF80, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FFC0FF, 0x00FF00FF};
constexpr std::array<quint32, 18> exerciseColours = {
    0x00C0C0FF, 0x008080FF, 0x00C0C0FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x00C0C0FF, 0x000040C0, 0x0080FF80, 0x00FFC0C0, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FFC0FF, 0x00FF00FF};
// The start window's colours 1 to 14 (7 is never used).
constexpr std::array<quint32, 14> startColours = {
    0x00800000, 0x00008000, 0x00808000, 0x00000080, 0x00800080, 0x00008080, 0x00C0C0C0,
    0x00808080, 0x00FF0000, 0x0000FF00, 0x00FFFF00, 0x000000FF, 0x00FF00FF, 0x0000FFFF};

} // namespace

class tst_Colori : public QObject {
    Q_OBJECT

private slots:
    // Each draw gives the colour the design's table holds at that index, in
    // the menu and in the exercise windows, and labels keep their own.
    void caricaColoriTakesOneValueAndKeepsLabels_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("menu") << true;
        QTest::newRow("exercises") << false;
    }
    void caricaColoriTakesOneValueAndKeepsLabels() {
        QFETCH(bool, menu);
        const auto& palette = menu ? Colori::paletteMenu() : Colori::paletteEsercizi();
        const auto& design = menu ? menuColours : exerciseColours;
        for (int k = 0; k < 18; ++k) {
            ColouredArea window(QSize(100, 100));
            auto* label = new QLabel(QStringLiteral("x"), &window);
            QPalette own = label->palette();
            own.setColor(QPalette::Window, QColor(1, 2, 3));
            label->setPalette(own);
            label->setAutoFillBackground(true);

            ScriptedRandom rnd;
            rnd.scriptDraws({{k, 18}});
            Colori::CaricaColori(window, palette, rnd);
            QCOMPARE(rnd.taken(), 1);
            QCOMPARE(QColor(Colori::sfondo(window)), QColor(fromBgr(design[std::size_t(k)])));
            QCOMPARE(label->palette().color(QPalette::Window), QColor(1, 2, 3));
        }
    }

    void startColourSkipsEntrySeven() {
        const QRgb entry6 = qRgb(128, 128, 0);
        ScriptedRandom rnd;
        rnd.scriptDraws({{6, 14}});
        QCOMPARE(Colori::coloreAvvio(rnd), entry6);
        QCOMPARE(rnd.taken(), 1);

        // Every scripted draw: the grey never comes, the olive twice.
        std::map<QRgb, int> seen;
        for (int k = 0; k < 14; ++k) {
            rnd.scriptDraws({{k, 14}});
            ++seen[Colori::coloreAvvio(rnd)];
        }
        QCOMPARE(int(seen.size()), 13);
        QCOMPARE(seen.count(qRgb(192, 192, 192)), std::size_t(0));
        for (int k = 0; k < 14; ++k) {
            rnd.scriptDraws({{k, 14}});
            const std::size_t entry = k == 6 ? 5 : std::size_t(k);
            QCOMPARE(QColor(Colori::coloreAvvio(rnd)), QColor(fromBgr(startColours[entry])));
        }
        QCOMPARE(seen[entry6], 2);
        QCOMPARE(seen[qRgb(0, 0, 128)], 1);
        QCOMPARE(seen[qRgb(255, 255, 0)], 1);
    }

    void startColourDistribution() {
        ClockRandom rnd;
        rnd.seed(20240917u);
        constexpr int draws = 280000; // 20000 expected per single entry
        std::map<QRgb, int> seen;
        for (int i = 0; i < draws; ++i)
            ++seen[Colori::coloreAvvio(rnd)];
        QCOMPARE(seen.count(qRgb(192, 192, 192)), std::size_t(0));
        QCOMPARE(int(seen.size()), 13);
        for (const auto& [colour, count] : seen) {
            const int expected = colour == qRgb(128, 128, 0) ? 40000 : 20000;
            // About seven standard deviations.
            QVERIFY2(std::abs(count - expected) < 1000,
                     qPrintable(QStringLiteral("%1: %2").arg(QColor(colour).name()).arg(count)));
        }
    }
};

VORTELIA_TEST_MAIN(tst_Colori)
#include "tst_Colori.moc"
