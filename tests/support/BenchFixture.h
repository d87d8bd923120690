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

    // What a test class adds to each fresh program, and lets go before it.
    virtual void benchReady() {}
    virtual void benchDone() {}

private slots:
    void init() {
        bench = std::make_unique<TestBench>();
        benchReady();
    }
    void cleanup() {
        benchDone();
        bench.reset();
        TestBench::flush();
    }
};
