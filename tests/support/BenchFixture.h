// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestBench.h"

#include <QObject>

#include <memory>

// A test class whose every test function gets a program of its own, and
// whose windows are let go after each.
class BenchFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestBench> bench;

private slots:
    void init() { bench = std::make_unique<TestBench>(); }
    void cleanup() {
        bench.reset();
        TestBench::flush();
    }
};
