// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetUpRows.h"

#include "app/CatalogoFinestre.h"
#include "app/ControlloDati.h"
#include "common/frame/FinestraEsercizio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

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

} // namespace

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

} // namespace Bench
