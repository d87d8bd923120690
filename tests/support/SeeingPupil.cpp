// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeeingPupil.h"

#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"

#include <QTransform>

#include <cmath>
#include <limits>

namespace SeeingPupil {

namespace {

// Differences below this are the same view decoded from two files; a
// different view of a figure differs by far more.
constexpr double sameView = 12.0;
// The best match must be this many times closer than the next one.
constexpr double clearly = 3.0;

QImage shown(const ImageBox* box) {
    if (!box->picture())
        return {};
    return box->picture()->image().convertToFormat(QImage::Format_RGB32);
}

// The index of the clearly closest of the differences, if there is one.
std::optional<qsizetype> clearlyClosest(const QList<double>& differences) {
    qsizetype best = -1;
    double first = std::numeric_limits<double>::max();
    double second = first;
    for (qsizetype i = 0; i < differences.size(); ++i) {
        if (differences[i] < first) {
            second = first;
            first = differences[i];
            best = i;
        } else if (differences[i] < second) {
            second = differences[i];
        }
    }
    if (best < 0 || first > sameView || second < first * clearly)
        return std::nullopt;
    return best;
}

} // namespace

QImage turned(const QImage& image, int quarterTurns) {
    return image.transformed(QTransform().rotate(90.0 * (quarterTurns % 4)));
}

double difference(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size())
        return std::numeric_limits<double>::max();
    const QImage p = a.convertToFormat(QImage::Format_RGB32);
    const QImage q = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < p.height(); ++y) {
        const auto* u = reinterpret_cast<const QRgb*>(p.constScanLine(y));
        const auto* v = reinterpret_cast<const QRgb*>(q.constScanLine(y));
        for (int x = 0; x < p.width(); ++x)
            sum += std::abs(qRed(u[x]) - qRed(v[x])) + std::abs(qGreen(u[x]) - qGreen(v[x])) +
                   std::abs(qBlue(u[x]) - qBlue(v[x]));
    }
    return sum / (3.0 * p.width() * p.height());
}

std::optional<int> senseOfRow(const QList<ImageBox*>& row) {
    if (row.size() < 2)
        return std::nullopt;
    const QImage first = shown(row[0]);
    const QImage second = shown(row[1]);
    const auto closest = clearlyClosest(
        {difference(turned(first, 1), second), difference(turned(first, 3), second)});
    if (!closest)
        return std::nullopt;
    return *closest == 0 ? 1 : 3;
}

ImageBox* nextView(const QList<ImageBox*>& row, const QList<ImageBox*>& candidates) {
    const auto sense = senseOfRow(row);
    qsizetype last = row.size() - 1;
    while (last >= 0 && !row[last]->picture())
        --last;
    if (!sense || last < 1)
        return nullptr;
    const QImage wanted = turned(shown(row[last]), *sense);
    QList<double> differences;
    for (const ImageBox* box : candidates)
        differences << difference(wanted, shown(box));
    const auto closest = clearlyClosest(differences);
    return closest ? candidates[*closest] : nullptr;
}

ImageBox* answer(TrovaRotazione* window) {
    return nextView(window->Image2, window->Image1);
}

ImageBox* answer(TipoRotazione* window) {
    const auto sense = senseOfRow(window->Image2);
    if (!sense)
        return nullptr;
    return *sense == 1 ? window->Image1 : window->Image3;
}

} // namespace SeeingPupil
