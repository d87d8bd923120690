// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/system/EndOfProcess.h"

#include <QApplication>
#include <QtTest>

// QTEST_MAIN, with the test object gone before the application object and
// the process ended as the program's own ends on Wayland.
#define VORTELIA_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        int status = 0;                                                                            \
        {                                                                                          \
            TestObject tc;                                                                         \
            status = QTest::qExec(&tc, argc, argv);                                                \
        }                                                                                          \
        EndOfProcess::skipWaylandTeardown(status);                                                 \
        return status;                                                                             \
    }
