// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows measured on whole processes: the probes bench_vortelia (the
// program's own main()) and bench_bare_qt, started with `platform` as their
// QT_QPA_PLATFORM and named `label` in the table.

#include "BenchTable.h"

namespace Bench {

// Start-up to the first painted window, and its parts.
void benchStartUp(const Options& o, Table& table, const QString& platform, const QString& label);
// Peak resident memory with every window opened, and with the start window alone.
void benchMemory(const Options& o, Table& table, const QString& platform, const QString& label);
// Every window opened in full screen on a 1920x1080 screen (offscreen).
void benchMemoryFullScreen(const Options& o, Table& table, const QString& platform);

} // namespace Bench
