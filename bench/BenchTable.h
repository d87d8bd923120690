// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmark's table: one row a measure, the median of its samples beside
// its baseline, and the target it is judged by.

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace Bench {

struct Options {
    int starts = 31;  // start-up runs of each program per platform
    int memory = 5;   // memory runs of each program per platform
    int fresh = 40;   // first calls, each on a fresh window and library
    int calls = 300;  // repeated calls on one window
    int clicks = 300; // clicks of each kind
    int checks = 9;   // data checks, each on a fresh library
    bool targets = true;
    bool offscreenOnly = false;
    bool recordOnly = false; // the class record's rows alone, to profile them
};

double median(QList<double> values);

struct Row {
    QString measure;
    QString unit;
    double program = 0;
    std::optional<double> baseline;
    QString target; // empty: shown for information
    std::function<bool(const Row&)> met;
    int samples = 0;
    // The spread of the program's samples, where they are shown.
    std::optional<std::pair<double, double>> spread = {};
};

// The row of a measure: the median of `samples`, their minimum and maximum.
Row measured(QString measure, QString unit, const QList<double>& samples,
             std::optional<double> baseline, QString target, std::function<bool(const Row&)> met);

// The judges of a row's target.
std::function<bool(const Row&)> ratioAtMost(double limit);
std::function<bool(const Row&)> below(double limit);
std::function<bool(const Row&)> aboveBaselineAtMost(double limit);

// The rows in the order they were measured.
class Table {
public:
    // Also names the measure on stderr, to show how far the run has come.
    void add(Row row);
    // Whether a row got no sample: the run failed.
    bool anyEmpty() const;
    // soundStates: those of the effects behind the clicks' sounds.
    void print(const Options& options, const QString& soundStates) const;

private:
    QList<Row> rows_;
};

} // namespace Bench
