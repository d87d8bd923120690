// The platform layer: random values, number text, colour tables, sounds,
// work after the first paint and Qt's Italian strings.

#include "doubles/TestBench.h"

#include "common/Colori.h"
#include "common/ModuloColoriSuoni.h"
#include "common/platform/AfterFirstPaint.h"
#include "common/platform/AreaColorata.h"
#include "common/platform/ClockRandom.h"
#include "common/platform/NumberText.h"
#include "common/platform/QtSoundPlayer.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSet>
#include <QSoundEffect>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The largest float below 1, where a careless Int(Rnd * n) rounds up to n.
constexpr float kJustBelowOne = 0.99999994f;

// Whether the player holds at least n sound files, each with its decoder's verdict.
bool decoded(const QtSoundPlayer& player, int n) {
    const auto effects = player.findChildren<QSoundEffect*>();
    if (effects.size() < n)
        return false;
    return std::none_of(effects.begin(), effects.end(), [](const QSoundEffect* e) {
        return e->status() == QSoundEffect::Null || e->status() == QSoundEffect::Loading;
    });
}

// A window that counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void drawStaysBelowN() {
        ScriptedRandom rnd;
        for (int n = 1; n <= 26; ++n) {
            rnd.script({kJustBelowOne, 0.0f});
            QCOMPARE(rnd.draw(n), n - 1);
            QCOMPARE(rnd.draw(n), 0);
        }
        // One value per draw, none more.
        QCOMPARE(rnd.taken(), 52);
        QCOMPARE(rnd.pending(), 0);
    }

    void clockRandomStaysInUnitInterval() {
        ClockRandom rnd;
        double sum = 0;
        float largest = 0;
        for (int i = 0; i < 1000000; ++i) {
            const float v = rnd.Rnd();
            if (!(v >= 0.0f && v < 1.0f))
                QFAIL(qPrintable(QStringLiteral("value %1 outside [0, 1)").arg(double(v))));
            largest = std::max(largest, v);
            sum += v;
        }
        QVERIFY(std::abs(sum / 1e6 - 0.5) < 0.005);
        QVERIFY(largest > 0.999f);
    }

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

    void caricaColoriTakesOneValueAndKeepsLabels() {
        for (int k = 0; k < 18; ++k) {
            AreaColorata window(QSize(100, 100));
            auto* label = new QLabel(QStringLiteral("x"), &window);
            QPalette own = label->palette();
            own.setColor(QPalette::Window, QColor(1, 2, 3));
            label->setPalette(own);
            label->setAutoFillBackground(true);

            ScriptedRandom rnd;
            rnd.scriptDraws({{k, 18}});
            Colori::CaricaColori(window, Colori::paletteEsercizi(), rnd);
            QCOMPARE(rnd.taken(), 1);
            QCOMPARE(Colori::sfondo(window), Colori::paletteEsercizi()[std::size_t(k)]);
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

    void suonoEsattoPicksOneOfFour() {
        const QString folder = QStringLiteral(VORTELIA_APP_DIR);
        for (int k = 1; k <= 4; ++k) {
            TestBench bench;
            bench.rnd.scriptDraws({{k - 1, 4}});
            ModuloColoriSuoni::SuonoEsatto(bench.ctx());
            QCOMPARE(bench.rnd.taken(), 1);
            QCOMPARE(bench.suoni.played,
                     QStringList{folder + QStringLiteral("/suoni/si%1.wav").arg(k)});
        }
        TestBench bench;
        bench.rnd.script({kJustBelowOne});
        ModuloColoriSuoni::SuonoEsatto(bench.ctx());
        QCOMPARE(bench.suoni.played, QStringList{folder + QStringLiteral("/suoni/si4.wav")});
    }

    void suonoErratoTakesNoValue() {
        TestBench bench;
        ModuloColoriSuoni::SuonoErrato(bench.ctx());
        QCOMPARE(bench.rnd.taken(), 0);
        QCOMPARE(bench.suoni.played, QStringList{QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
    }

    void soundFilesExist() {
        const QStringList paths =
            ModuloColoriSuoni::percorsiSuoni(QStringLiteral(VORTELIA_APP_DIR));
        QCOMPARE(paths.size(), 5);
        for (const QString& path : paths)
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }

    void missingSoundBeeps() {
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString missing = QStringLiteral(VORTELIA_APP_DIR "/suoni/nessuno.wav");
        player.play(missing);
        QCOMPARE(beeps, 1);
        // The failure is remembered, yet each play still beeps.
        player.play(missing);
        QCOMPARE(beeps, 2);
    }

    void existingSoundDoesNotBeep() {
        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        const QString path = QStringLiteral(VORTELIA_APP_DIR "/suoni/si1.wav");
        player.preload({path});
        player.play(path);
        // The decoder's verdict, never the end of the sound.
        QTRY_VERIFY(decoded(player, 1));
        QCOMPARE(beeps, 0);
        player.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));
        QTRY_VERIFY(decoded(player, 2));
        QCOMPARE(beeps, 0);
    }

    // The task waits for the window's first paint, comes after it rather
    // than inside it, and runs once however often the window is painted.
    void afterFirstPaintRunsOnceAfterThePaint() {
        PaintCounter window;
        window.resize(120, 120);
        int runs = 0;
        int paintsBeforeRun = -1;
        AfterFirstPaint::run(&window, [&] {
            ++runs;
            paintsBeforeRun = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0); // never shown

        // Shown but not yet painted.
        window.setUpdatesEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(window.paints, 0);
        QCOMPARE(runs, 0);

        window.setUpdatesEnabled(true);
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBeforeRun > 0);

        const int paints = window.paints;
        window.update();
        QTRY_VERIFY(window.paints > paints);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void afterFirstPaintWithoutAWindowRunsOnceFromTheEventLoop() {
        int runs = 0;
        AfterFirstPaint::run(nullptr, [&] { ++runs; });
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void italianTranslationGivesSi() {
        QTranslator translator;
        QVERIFY(translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"),
                                QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCOMPARE(translator.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
        const QString yes = box.button(QDialogButtonBox::Yes)->text();
        const QString no = box.button(QDialogButtonBox::No)->text();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QString(yes).remove(QLatin1Char('&')), QStringLiteral("Sì"));
        QCOMPARE(QString(no).remove(QLatin1Char('&')), QStringLiteral("No"));
    }
};

QTEST_MAIN(tst_Platform)
#include "tst_Platform.moc"
