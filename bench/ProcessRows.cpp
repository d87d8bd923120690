// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessRows.h"

#include "MonotonicClock.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>

#include <cstdio>

namespace Bench {

namespace {

struct Probe {
    bool ok = false;
    double appMs = 0;     // to the application object
    double showMs = 0;    // to the first window shown
    double flushedMs = 0; // to the first window painted and flushed
    double hwmMb = 0;
};

// mode: start, memory-start or memory (see FirstPaintHook.cpp).
Probe runProbe(const QString& program, const QString& platform, const QString& mode,
               const QStringList& arguments = {}) {
    const bool memory = mode != QLatin1String("start");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("VORTELIA_BENCH_MODE"), mode);
    env.insert(QStringLiteral("VORTELIA_BENCH_T0"), QString::number(monotonicNs()));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    Probe probe;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "%s (%s) did not finish\n", qPrintable(program), qPrintable(platform));
        return probe;
    }
    QHash<QByteArray, long long> values;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (const qsizetype eq = line.indexOf('='); eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1).toLongLong());
    probe.ok = process.exitCode() == 0 && values.contains("flushed_ns") &&
               (!memory || values.value("hwm_kb") > 0);
    if (!probe.ok)
        std::fprintf(stderr, "%s (%s) failed: %s\n", qPrintable(program), qPrintable(platform),
                     process.readAllStandardError().constData());
    probe.appMs = double(values.value("app_ns")) / 1e6;
    probe.showMs = double(values.value("show_ns")) / 1e6;
    probe.flushedMs = double(values.value("flushed_ns")) / 1e6;
    probe.hwmMb = double(values.value("hwm_kb")) / 1024;
    return probe;
}

const QString programProbe = QStringLiteral("bench_vortelia");
const QString bareProbe = QStringLiteral("bench_bare_qt");

const QString start = QStringLiteral("start");

} // namespace

void benchStartUp(const Options& o, Table& table, const QString& platform, const QString& label) {
    // Once untimed each: the files are then in the page cache for both alike.
    runProbe(programProbe, platform, start);
    runProbe(bareProbe, platform, start);
    QList<double> program, bare, programApp, bareApp, programShown, bareShown;
    // A, B, A, B ...: a machine that gets busier slows both alike.
    for (int i = 0; i < o.starts; ++i) {
        for (const bool first : {true, false}) {
            const Probe p = runProbe(first ? programProbe : bareProbe, platform, start);
            if (!p.ok)
                continue;
            (first ? program : bare) << p.flushedMs;
            (first ? programApp : bareApp) << p.appMs;
            (first ? programShown : bareShown) << p.flushedMs - p.showMs;
        }
    }
    table.add(measured(QStringLiteral("start-up to first painted window, %1").arg(label),
                       QStringLiteral("ms"), program, median(bare), QStringLiteral("<= 1.15x"),
                       ratioAtMost(1.15)));
    table.add(measured(QStringLiteral("  the same, bare Qt program, %1").arg(label),
                       QStringLiteral("ms"), bare, {}, QString(), {}));
    table.add(measured(QStringLiteral("  of which to QApplication, %1").arg(label),
                       QStringLiteral("ms"), programApp, median(bareApp), QString(), {}));
    table.add(measured(QStringLiteral("  of which show() to painted, %1").arg(label),
                       QStringLiteral("ms"), programShown, median(bareShown), QString(), {}));
}

void benchMemory(const Options& o, Table& table, const QString& platform, const QString& label) {
    const auto peak = [&](const QString& mode, QList<double>& program, QList<double>& bare) {
        for (int i = 0; i < o.memory; ++i) {
            if (const Probe p = runProbe(programProbe, platform, mode); p.ok)
                program << p.hwmMb;
            if (const Probe p = runProbe(bareProbe, platform, mode); p.ok)
                bare << p.hwmMb;
        }
    };
    QList<double> program, bare, programStart, bareStart;
    peak(QStringLiteral("memory"), program, bare);
    peak(QStringLiteral("memory-start"), programStart, bareStart);
    table.add({QStringLiteral("peak resident memory, every window opened, %1").arg(label),
               QStringLiteral("MB"), median(program), median(bare),
               QStringLiteral("<= baseline + 15"), aboveBaselineAtMost(15), int(program.size())});
    table.add({QStringLiteral("  the same, start window only, %1").arg(label),
               QStringLiteral("MB"),
               median(programStart),
               median(bareStart),
               QString(),
               {},
               int(programStart.size())});
}

void benchMemoryFullScreen(const Options& o, Table& table, const QString& platform) {
    const QStringList full = {QStringLiteral("--schermo-intero")};
    QList<double> program, bare;
    for (int i = 0; i < o.memory; ++i) {
        if (const Probe p = runProbe(programProbe, platform, QStringLiteral("memory"), full); p.ok)
            program << p.hwmMb;
        if (const Probe p = runProbe(bareProbe, platform, QStringLiteral("memory"), full); p.ok)
            bare << p.hwmMb;
    }
    table.add(
        {QStringLiteral("peak resident memory, every window in full screen 1920x1080, offscreen"),
         QStringLiteral("MB"), median(program), median(bare), QStringLiteral("<= baseline + 15"),
         aboveBaselineAtMost(15), int(program.size())});
}

} // namespace Bench
