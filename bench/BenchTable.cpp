// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTable.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace Bench {

namespace {

QString number(double value, const QString& unit) {
    return QString::number(value, 'f', unit == QLatin1String("us") ? 1 : 2);
}

} // namespace

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Row measured(QString measure, QString unit, const QList<double>& samples,
             std::optional<double> baseline, QString target, std::function<bool(const Row&)> met) {
    Row row{std::move(measure), std::move(unit), median(samples),    baseline,
            std::move(target),  std::move(met),  int(samples.size())};
    if (!samples.isEmpty())
        row.spread = std::pair{*std::min_element(samples.begin(), samples.end()),
                               *std::max_element(samples.begin(), samples.end())};
    return row;
}

std::function<bool(const Row&)> ratioAtMost(double limit) {
    return [limit](const Row& r) { return r.baseline && r.program <= limit * *r.baseline; };
}

std::function<bool(const Row&)> below(double limit) {
    return [limit](const Row& r) { return r.program < limit; };
}

std::function<bool(const Row&)> aboveBaselineAtMost(double limit) {
    return [limit](const Row& r) { return r.baseline && r.program - *r.baseline <= limit; };
}

void Table::add(Row row) {
    std::fprintf(stderr, "  %s\n", qPrintable(row.measure));
    rows_ << std::move(row);
}

bool Table::anyEmpty() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.samples == 0; });
}

void Table::print(const Options& options, const QString& soundStates) const {
    const QStringList head = {QStringLiteral("measure (median)"),
                              QStringLiteral("unit"),
                              QStringLiteral("n"),
                              QStringLiteral("Vortelia"),
                              QStringLiteral("min - max"),
                              QStringLiteral("baseline"),
                              QStringLiteral("ratio"),
                              QStringLiteral("target"),
                              QStringLiteral("result")};
    QList<QStringList> lines;
    int passed = 0;
    int missed = 0;
    for (const Row& r : rows_) {
        QString verdict = QStringLiteral("-");
        if (!r.target.isEmpty() && options.targets) {
            // A row without samples meets nothing.
            const bool ok = r.samples > 0 && r.met(r);
            verdict = ok ? QStringLiteral("PASS") : QStringLiteral("MISS");
            ++(ok ? passed : missed);
        }
        lines << QStringList{r.measure,
                             r.unit,
                             QString::number(r.samples),
                             number(r.program, r.unit),
                             r.spread ? number(r.spread->first, r.unit) + QStringLiteral(" - ") +
                                            number(r.spread->second, r.unit)
                                      : QStringLiteral("-"),
                             r.baseline ? number(*r.baseline, r.unit) : QStringLiteral("-"),
                             r.baseline && *r.baseline > 0
                                 ? QString::number(r.program / *r.baseline, 'f', 2) +
                                       QLatin1Char('x')
                                 : QStringLiteral("-"),
                             r.target.isEmpty() ? QStringLiteral("-") : r.target,
                             verdict};
    }
    QList<qsizetype> width(head.size(), 0);
    for (const QStringList& l : QList<QStringList>{head} + lines)
        for (qsizetype c = 0; c < l.size(); ++c)
            width[c] = std::max(width[c], l[c].size());
    const auto print = [&](const QStringList& l) {
        QString out;
        for (qsizetype c = 0; c < l.size(); ++c) {
            // Text left, figures right.
            const bool left = c == 0 || c == 1 || c >= 7;
            out += QLatin1String("| ") +
                   (left ? l[c].leftJustified(width[c]) : l[c].rightJustified(width[c])) +
                   QLatin1Char(' ');
        }
        std::printf("%s|\n", qPrintable(out));
    };
    print(head);
    QStringList rule;
    for (qsizetype w : width)
        rule << QString(w, QLatin1Char('-'));
    print(rule);
    for (const QStringList& l : lines)
        print(l);
    if (options.targets)
        std::printf("\ntargets: %d PASS, %d MISS\n", passed, missed);
    std::printf(
        "\nbaselines: start-up and memory: bench_bare_qt, a QMainWindow with a menu bar, run\n"
        "the same way; data check: QImageReader decoding the same 208 files at the same size;\n"
        "NuovoEsercizio first call: a bare QWidget whose N QLabels each get setPixmap of the\n"
        "same jpg files freshly read with QImageReader; repeated: the same labels given\n"
        "already-loaded pixmaps; click: QTest::mouseClick on a bare QWidget whose click hides a\n"
        "label, shows another and sets a counter's text.\n"
        "sounds during the clicks: QtSoundPlayer, effects %s.\n",
        qPrintable(soundStates));
}

} // namespace Bench
