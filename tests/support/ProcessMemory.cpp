// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessMemory.h"

#include <QByteArray>
#include <QFile>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ProcessMemory {
namespace {

long statusKb(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

long residentKb() {
#ifdef __GLIBC__
    // Freed blocks kept for later (tens of MB per thread's arena, more or
    // fewer with the threads' timing) are not held by the program.
    malloc_trim(0);
#endif
    return statusKb("RssAnon");
}

long peakKb() {
    return statusKb("VmHWM");
}

bool resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace ProcessMemory
