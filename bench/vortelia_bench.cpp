// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark: start-up, setting up an exercise, a click's feedback, peak
// memory, a worksheet and the class record's pages, each a median printed beside a plain Qt
// baseline measured in the same run, so that the ratio holds on a busy machine.
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
#include "ClickRows.h"
#include "ProcessRows.h"
#include "RecordRows.h"
#include "ScaledRows.h"
#include "SetUpRows.h"
#include "SheetRows.h"

#include "common/platform/system/SharedHeap.h"

#include <QApplication>
#include <QTemporaryFile>

#include <cstdio>
#include <utility>

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
        else if (a == QLatin1String("--record-only"))
            o.recordOnly = true;
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
    Services services;
    if (!o.recordOnly) {
        for (const auto& [platform, label] : platforms)
            benchStartUp(o, table, platform, label);
        for (const auto& [platform, label] : platforms)
            benchMemory(o, table, platform, label);
        benchMemoryFullScreen(o, table, fullHd);
        benchDataCheck(o, table, services);
        benchNuovoEsercizio(o, table, services);
        benchScaled(o, table, services);
        benchLargeViews(o, table, services);
        benchClicks(o, table, services);
        benchWorksheet(o, table, services);
    }
    benchRecord(o, table);

    const bool failed = table.anyEmpty();
    std::printf("\n");
    table.print(o, services.soundStates);
    return failed ? 1 : 0;
}
