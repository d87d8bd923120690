// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark: start-up, setting up an exercise, a click's feedback and peak
// memory, each a median printed beside a plain Qt baseline measured in the
// same run, so that the ratio holds on a busy machine.
//
//   vortelia_bench [--quick] [--no-targets] [--offscreen-only]
//                  [--starts N] [--memory N] [--fresh N] [--calls N] [--clicks N]
//                  [--checks N]
//
// Start-up and memory run the probes bench_vortelia (app/main.cpp itself) and
// bench_bare_qt as whole processes, offscreen and, when DISPLAY is set, on X11.
// The rest runs in this process, offscreen, on the real windows, pictures and
// sounds. --quick (the CI smoke run) takes a few samples, offscreen, and
// judges no target.

#include "BenchServices.h"
#include "BenchTable.h"
#include "ProcessRows.h"

#include "doubles/Pupil.h"
#include "doubles/TestBench.h"

#include "app/CatalogoFinestre.h"
#include "app/ControlloDati.h"
#include "app/Programma.h"
#include "common/BibliotecaFigure.h"
#include "common/FinestraEsercizio.h"
#include "common/StatoCondiviso.h"
#include "common/platform/PictureButton.h"
#include "common/platform/SharedHeap.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace Bench {
namespace {

struct Family {
    FinestraId id;
    const char* name;
    int pictures; // new pictures each exercise: candidates, or views in FormEs4
};

const QList<Family> families = {
    {FinestraId::FormEs2, "FormEs2, find rotation, 4", 4},
    {FinestraId::FormEs3, "FormEs3, find rotation, 8", 8},
    {FinestraId::FormEs8, "FormEs8, build rotation, 4", 4},
    {FinestraId::FormEs11, "FormEs11, build rotation, 8", 8},
    {FinestraId::FormEs1, "FormEs1, find symmetry, 8", 8},
    {FinestraId::FormEs4, "FormEs4, rotation type, 4 views", 4},
};

void benchNuovoEsercizio(const Options& o, Table& table, Services& s) {
    for (const Family& f : families) {
        const bool eight = f.pictures == 8;

        // First call: a window just opened, and a library that has decoded nothing.
        QList<double> first, firstBare;
        for (int i = 0; i < o.fresh; ++i) {
            Instance p(s);
            auto* w = qobject_cast<FinestraEsercizio*>(creaFinestra(f.id, p.programma.contesto()));
            w->adjustSize();
            w->show();
            first << microseconds([&] { w->NuovoEsercizio(); });
            TestBench::flush();
            delete w;
        }
        {
            BareLabels bare(f.pictures);
            for (int i = 0; i < o.fresh; ++i) {
                firstBare << microseconds([&] {
                    for (int k = 0; k < f.pictures; ++k) {
                        QImageReader reader(jpg(s.folder, i, k + 1));
                        bare.labels[k]->setPixmap(QPixmap::fromImage(reader.read()));
                    }
                });
                TestBench::flush();
            }
        }
        table.add({QStringLiteral("NuovoEsercizio first call, not yet decoded, %1")
                       .arg(QLatin1String(f.name)),
                   QStringLiteral("us"), median(first), median(firstBare),
                   eight ? QStringLiteral("< 2000 us") : QString(), below(2000),
                   int(first.size())});

        // Repeated calls: the window stays open, every picture already decoded.
        QList<double> again, againBare;
        {
            Instance p(s);
            p.decodeEveryPicture();
            auto* w = p.open<FinestraEsercizio>(f.id);
            for (int i = 0; i < o.calls; ++i) {
                again << microseconds([&] { w->NuovoEsercizio(); });
                TestBench::flush();
            }
        }
        {
            BareLabels bare(f.pictures);
            QList<QPixmap> loaded[2];
            for (int set = 0; set < 2; ++set)
                for (int k = 0; k < f.pictures; ++k)
                    loaded[set] << QPixmap::fromImage(QImage(jpg(s.folder, set, k + 1)));
            for (int i = 0; i < o.calls; ++i) {
                againBare << microseconds([&] {
                    for (int k = 0; k < f.pictures; ++k)
                        bare.labels[k]->setPixmap(loaded[i % 2][k]);
                });
                TestBench::flush();
            }
        }
        table.add({QStringLiteral("NuovoEsercizio repeated, %1").arg(QLatin1String(f.name)),
                   QStringLiteral("us"), median(again), median(againBare),
                   eight ? QStringLiteral("< 2000 us") : QString(), below(2000),
                   int(again.size())});
    }
}

// An exercise window at the normal size and in full screen on each screen of
// the offscreen platform (1920x1080 and 3840x2160): the set-up with eight
// candidates, and the new layout when the window changes between the two
// (pictures decoded again included), each with the target the window must meet.
void benchScaled(const Options& o, Table& table, Services& s) {
    Instance p(s);
    auto* w = p.open<FinestraEsercizio>(FinestraId::FormEs3);
    const auto setUps = [&] {
        QList<double> samples;
        for (int i = 0; i < o.calls; ++i) {
            samples << microseconds([&] { w->NuovoEsercizio(); });
            TestBench::flush();
        }
        return samples;
    };
    const auto bareSetUps = [&](int side) {
        BareLabels bare(8);
        QList<double> samples;
        for (int i = 0; i < o.calls; ++i) {
            samples << microseconds([&] {
                for (int k = 0; k < 8; ++k) {
                    QImageReader reader(jpg(s.folder, i, k + 1));
                    reader.setScaledSize(QSize(side, side));
                    bare.labels[k]->setPixmap(QPixmap::fromImage(reader.read()));
                }
            });
            TestBench::flush();
        }
        return samples;
    };
    const QSize normal = w->size();
    const int normalSide = p.figure.latoPixel();
    const QList<double> small = setUps();
    table.add(measured(QStringLiteral("NuovoEsercizio, FormEs3 (8 candidates), normal size"),
                       QStringLiteral("us"), small, median(bareSetUps(normalSide)),
                       QStringLiteral("< 1000 us"), below(1000)));

    struct Board {
        const char* name;
        double setUp;  // us
        double layout; // us, each way
    };
    for (const Board& board : {Board{"board", 2500, 16000}, Board{"uhd", 5000, 33000}}) {
        QScreen* screen = nullptr;
        for (QScreen* candidate : QGuiApplication::screens())
            if (candidate->name() == QLatin1String(board.name))
                screen = candidate;
        if (!screen)
            broken("no such screen");
        // At the normal size on that screen first.
        w->setWindowState(Qt::WindowNoState);
        w->resize(normal);
        w->windowHandle()->setScreen(screen);
        w->move(screen->geometry().topLeft() + QPoint(40, 40));
        if (!QTest::qWaitFor([&] { return w->screen() == screen && w->size() == normal; }))
            broken("another screen");
        TestBench::flush();
        const QSize full = screen->geometry().size();
        QList<double> toFull, toNormal;
        const auto change = [&](bool toFullScreen) {
            return microseconds([&] {
                w->setWindowState(toFullScreen ? Qt::WindowFullScreen : Qt::WindowNoState);
                if (!toFullScreen)
                    w->resize(normal);
                if (!QTest::qWaitFor([&] { return w->size() == (toFullScreen ? full : normal); }))
                    broken("full screen");
                TestBench::flush();
                w->repaint();
            });
        };
        for (int i = 0; i < std::max(3, o.calls / 10); ++i) {
            toFull << change(true);
            toNormal << change(false);
        }
        w->setWindowState(Qt::WindowFullScreen);
        if (!QTest::qWaitFor([&] { return w->size() == full; }))
            broken("full screen");
        TestBench::flush();
        const int fullSide = p.figure.latoPixel();
        const QList<double> large = setUps();
        const QString size = QStringLiteral("%1x%2").arg(full.width()).arg(full.height());
        const QString setUpTarget = QStringLiteral("< %1 us").arg(board.setUp);
        const QString layoutTarget = QStringLiteral("< %1 us").arg(board.layout);
        table.add(measured(QStringLiteral("NuovoEsercizio, FormEs3 (8 candidates), full screen %1, "
                                          "%2 px boxes")
                               .arg(size)
                               .arg(fullSide),
                           QStringLiteral("us"), large, median(bareSetUps(fullSide)), setUpTarget,
                           below(board.setUp)));
        table.add(measured(
            QStringLiteral("new layout, FormEs3 normal size to full screen %1, painted").arg(size),
            QStringLiteral("us"), toFull, {}, layoutTarget, below(board.layout)));
        table.add(measured(
            QStringLiteral("new layout, FormEs3 full screen %1 to normal size, painted").arg(size),
            QStringLiteral("us"), toNormal, {}, layoutTarget, below(board.layout)));
    }
    w->setWindowState(Qt::WindowNoState);
}

// A box that reports a click as plain Qt widgets do.
class BareBox : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override { pressed_ = e->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (pressed_ && rect().contains(e->position().toPoint()) && onClick)
            onClick();
        pressed_ = false;
    }

private:
    bool pressed_ = false;
};

QList<double> bareClicks(int n) {
    QWidget window;
    auto* box = new BareBox(&window);
    box->setGeometry(8, 8, 120, 120);
    auto* yes = new QLabel(QStringLiteral(":-)"), &window);
    auto* no = new QLabel(QStringLiteral(":-("), &window);
    auto* counter = new QLabel(QStringLiteral("0"), &window);
    yes->setGeometry(136, 8, 40, 40);
    no->setGeometry(136, 8, 40, 40);
    counter->setGeometry(136, 56, 60, 40);
    int count = 0;
    box->onClick = [&] {
        const bool right = ++count % 2 == 0;
        yes->setVisible(right);
        no->setVisible(!right);
        counter->setText(QString::number(count));
    };
    window.resize(200, 140);
    window.show();
    TestBench::flush();
    QList<double> samples;
    for (int i = 0; i < n; ++i) {
        samples << microseconds([&] { TestBench::click(box); });
        TestBench::flush();
    }
    return samples;
}

// Every view a large photograph (one noisy 3000 x 3000 JPEG under all 208
// names): a set-up holds the window only while it starts, and the exercise
// is dealt once the letter is read on another thread.
void benchLargeViews(const Options& o, Table& table, Services& s) {
    QTemporaryDir dir;
    const QString jpg = dir.path() + QStringLiteral("/jpg");
    QDir().mkpath(jpg);
    QImage photo(3000, 3000, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int n = int(noise.bounded(48));
            line[x] = qRgb((x / 12 + n) & 255, (y / 12 + n) & 255, ((x + y) / 24 + n) & 255);
        }
    }
    const QString large = jpg + QStringLiteral("/large");
    if (!photo.save(large, "JPG", 90))
        return;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        for (int n = 1; n <= 8; ++n)
            QFile::link(large, jpg + QStringLiteral("/%1%2.jpg").arg(QLatin1Char(letter)).arg(n));
    Instance p(s, dir.path());
    auto* w = p.open<FinestraEsercizio>(FinestraId::FormEs3);
    if (!w)
        return;
    QList<double> held;
    QList<double> dealt;
    for (int i = 0; i < std::max(3, o.calls / 60); ++i) {
        QElapsedTimer ready;
        ready.start();
        held << microseconds([&] { w->NuovoEsercizio(); });
        while (w->inAttesa() && ready.elapsed() < 60000)
            QTest::qWait(1);
        dealt << double(ready.nsecsElapsed()) / 1e6;
        TestBench::flush();
    }
    table.add(measured(QStringLiteral("NuovoEsercizio, FormEs3, every view 3000x3000, window held"),
                       QStringLiteral("us"), held, {}, QStringLiteral("< 16000 us"), below(16000)));
    table.add(measured(QStringLiteral("  the same, until the exercise is dealt"),
                       QStringLiteral("ms"), dealt, {}, QString(), {}));
}

// The check app/main.cpp runs once the start window is shown.
void benchDataCheck(const Options& o, Table& table, Services& s) {
    QList<double> check, bare;
    for (int i = 0; i < o.checks; ++i) {
        Instance p(s);
        check << microseconds([&] { ControlloDati::controlla(p.programma.contesto(), nullptr); }) /
                     1000;
        bare << microseconds([&] {
                    for (int n = 0; n < 26 * 8; ++n) {
                        QImageReader reader(jpg(s.folder, n / 8, n % 8 + 1));
                        reader.setScaledSize(QSize(s.pixelSide, s.pixelSide));
                        reader.read();
                    }
                }) / 1000;
    }
    table.add({QStringLiteral("data check, ControlloDati::controlla"),
               QStringLiteral("ms"),
               median(check),
               median(bare),
               QString(),
               {},
               int(check.size())});
}

void benchClicks(const Options& o, Table& table, Services& s) {
    const double bare = median(bareClicks(o.clicks));
    Instance p(s);
    p.decodeEveryPicture();
    const StatoCondiviso& stato = p.programma.stato();
    const auto row = [&](const char* what, const QList<double>& samples) {
        table.add({QStringLiteral("click to end of feedback, %1").arg(QLatin1String(what)),
                   QStringLiteral("us"), median(samples), bare, QStringLiteral("< 500 us"),
                   below(500), int(samples.size())});
    };

    QList<double> right, wrong;
    auto* find = p.open<TrovaRotazione>(FinestraId::FormEs3);
    for (int i = 0; i < o.clicks; ++i) {
        QWidget* box = Pupil::rightAnswers(find, stato).first();
        right << microseconds([&] { TestBench::click(box); });
        if (!find->BottoneAvanti->isEnabled())
            broken("right pick");
        TestBench::flush();
        find->BottoneAvanti_Click();
        TestBench::flush();
    }
    for (int i = 0; i < o.clicks; ++i) {
        QWidget* box = Pupil::wrongAnswer(find, stato);
        const int errati = stato.NumeroErrati;
        wrong << microseconds([&] { TestBench::click(box); });
        if (stato.NumeroErrati == errati)
            broken("wrong pick");
        TestBench::flush();
    }
    row("Esatto (FormEs3)", right);
    row("Errato (FormEs3)", wrong);

    QList<double> pick, last;
    auto* build = p.open<FormaRotazione>(FinestraId::FormEs11);
    for (int i = 0; i < o.clicks; ++i) {
        const auto next = [&] { return Pupil::rightAnswers(build, stato).first(); };
        QWidget* box = next();
        pick << microseconds([&] { TestBench::click(box); });
        if (build->ProssimaCasella != 2)
            broken("first right pick");
        TestBench::flush();
        TestBench::click(next());
        TestBench::flush();
        box = next();
        last << microseconds([&] { TestBench::click(box); });
        if (!build->BottoneAvanti->isEnabled())
            broken("last right pick");
        TestBench::flush();
        build->BottoneAvanti_Click();
        TestBench::flush();
    }
    row("right pick in a build window (FormEs11)", pick);
    row("last right pick, Esatto (FormEs11)", last);
}

} // namespace
} // namespace Bench

// Qt's notes about the offscreen platform and the missing audio device would
// bury the table.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
    using namespace Bench;
    // The program's heap, as app/main.cpp sets it up: the set-ups measured
    // here allocate their pictures from it.
    SharedHeap::useOne();
    qInstallMessageHandler(quiet);
    // The measurements made in this process run offscreen, on a 1920x1080
    // screen and a 3840x2160 one beside it for the full-screen rows; the
    // probes get their platform from the runner below, the full-screen memory
    // run the 1920x1080 screen alone.
    const QByteArray board = R"({"name": "board", "x": 0, "y": 0, "width": 1920,
        "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})";
    const QByteArray uhd = R"({"name": "uhd", "x": 1920, "y": 0, "width": 3840,
        "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})";
    QTemporaryFile probeScreens, screens;
    for (auto [file, list] :
         {std::pair{&probeScreens, board}, std::pair{&screens, board + ", " + uhd}})
        if (file->open()) {
            file->write(R"({"screens": [)" + list + "]}");
            file->flush();
        }
    const QString fullHd = QStringLiteral("offscreen:configfile=") + probeScreens.fileName();
    qputenv("QT_QPA_PLATFORM",
            (QStringLiteral("offscreen:configfile=") + screens.fileName()).toLocal8Bit());
    QApplication app(argc, argv);

    Options o;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&] { return i + 1 < args.size() ? args[++i].toInt() : 0; };
        if (a == QLatin1String("--quick"))
            o = {2, 1, 3, 5, 5, 1, false, true};
        else if (a == QLatin1String("--no-targets"))
            o.targets = false;
        else if (a == QLatin1String("--offscreen-only"))
            o.offscreenOnly = true;
        else if (a == QLatin1String("--starts"))
            o.starts = value();
        else if (a == QLatin1String("--memory"))
            o.memory = value();
        else if (a == QLatin1String("--fresh"))
            o.fresh = value();
        else if (a == QLatin1String("--calls"))
            o.calls = value();
        else if (a == QLatin1String("--clicks"))
            o.clicks = value();
        else if (a == QLatin1String("--checks"))
            o.checks = value();
        else {
            std::fprintf(stderr, "unknown argument %s\n", qPrintable(a));
            return 2;
        }
    }

    QList<std::pair<QString, QString>> platforms = {
        {QStringLiteral("offscreen"), QStringLiteral("offscreen")}};
    if (!o.offscreenOnly && !qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << std::pair{QStringLiteral("xcb"), QStringLiteral("Xvfb")};

    std::fprintf(stderr, "measuring:\n");
    Table table;
    for (const auto& [platform, label] : platforms)
        benchStartUp(o, table, platform, label);
    for (const auto& [platform, label] : platforms)
        benchMemory(o, table, platform, label);
    benchMemoryFullScreen(o, table, fullHd);
    Services services;
    benchDataCheck(o, table, services);
    benchNuovoEsercizio(o, table, services);
    benchScaled(o, table, services);
    benchLargeViews(o, table, services);
    benchClicks(o, table, services);

    const bool failed = table.anyEmpty();
    std::printf("\n");
    table.print(o, services.soundStates);
    return failed ? 1 : 0;
}
