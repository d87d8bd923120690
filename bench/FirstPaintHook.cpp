// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up probe linked into an unchanged main(): it hooks into the
// application object as it is built, so the program under test needs no
// bench code of its own.
//
// VORTELIA_BENCH_T0    CLOCK_MONOTONIC nanoseconds taken by the runner just
//                      before it started this process; without it the
//                      kernel's (coarse) process start time is used.
// VORTELIA_BENCH_MODE  "start" (default): print the times and exit once the
//                      first window is painted; "memory-start": then print
//                      VmHWM; "memory": open every window first
//                      (benchOpenEveryWindow).

#include "FirstPaintHook.h"
#include "MonotonicClock.h"
#include "support/ProcessMemory.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// The process start on the monotonic clock: from the runner, else from
// /proc (boot-relative clock ticks, close to CLOCK_MONOTONIC on Linux).
long long processStartNs() {
    if (const char* t0 = std::getenv("VORTELIA_BENCH_T0"))
        return std::atoll(t0);
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses; starttime is field 22.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const long long ticks = fields.size() > 19 ? fields[19].toLongLong() : 0;
    return ticks * (1000000000LL / sysconf(_SC_CLK_TCK));
}

// Skips teardown: its time and its failures are not what is measured.
[[noreturn]] void finish() {
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstPaint : public QObject {
public:
    FirstPaint(long long start, long long appNs) : start_(start), appNs_(appNs) {}

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!showNs_ && event->type() == QEvent::Show && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->isWindow())
            showNs_ = monotonicNs() - start_;
        if (!seen_ && event->type() == QEvent::Paint && receiver->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(receiver)->window();
            if (window->isVisible() && !(window->windowType() == Qt::Popup)) {
                seen_ = true;
                paintNs_ = monotonicNs() - start_;
                // Queued: runs once the whole window is painted and flushed.
                QMetaObject::invokeMethod(
                    this, [this] { painted(); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void painted() {
        const long long flushedNs = monotonicNs() - start_;
        std::printf("app_ns=%lld\nshow_ns=%lld\npaint_ns=%lld\nflushed_ns=%lld\n", appNs_, showNs_,
                    paintNs_, flushedNs);
        const QByteArray mode = qgetenv("VORTELIA_BENCH_MODE");
        if (mode == "memory")
            benchOpenEveryWindow();
        if (mode.startsWith("memory"))
            std::printf("hwm_kb=%ld\n", ProcessMemory::peakKb());
        finish();
    }

    long long start_;
    long long appNs_;
    long long showNs_ = 0;
    long long paintNs_ = 0;
    bool seen_ = false;
};

void installHook() {
    const long long start = processStartNs();
    auto* hook = new FirstPaint(start, monotonicNs() - start);
    hook->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(hook);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installHook)
