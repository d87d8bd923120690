// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaledRows.h"

#include "common/frame/FinestraEsercizio.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace Bench {

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

} // namespace Bench
