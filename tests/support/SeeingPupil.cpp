// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeeingPupil.h"

#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/LineShape.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

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

// The last view of the row that shows a picture, or nullptr.
const ImageBox* lastFilled(const QList<ImageBox*>& row) {
    for (qsizetype i = row.size() - 1; i >= 0; --i)
        if (row[i]->picture())
            return row[i];
    return nullptr;
}

} // namespace

QImage shown(const ImageBox* box) {
    if (!box->picture())
        return {};
    return box->picture()->image().convertToFormat(QImage::Format_RGB32);
}

QImage turned(const QImage& image, int quarterTurns) {
    return image.transformed(QTransform().rotate(90.0 * (quarterTurns % 4)));
}

QImage mirroredIn(const QImage& image, const LineShape& axis) {
    const QPoint from = axis.from();
    const QPoint to = axis.to();
    if (from.x() == to.x())
        return image.mirrored(true, false);
    if (from.y() == to.y())
        return image.mirrored(false, true);
    const QImage quarter = turned(image, 1);
    // The axis rising to the right swaps x with -y; falling, x with y.
    const bool rising = (to.y() - from.y()) * (to.x() - from.x()) < 0;
    return rising ? quarter.mirrored(false, true) : quarter.mirrored(true, false);
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

ImageBox* lookingLike(const QImage& wanted, const QList<ImageBox*>& candidates) {
    QList<double> differences;
    for (const ImageBox* box : candidates)
        differences << difference(wanted, shown(box));
    const auto closest = clearlyClosest(differences);
    return closest ? candidates[*closest] : nullptr;
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
    const ImageBox* last = lastFilled(row);
    if (!sense || !last || last == row.first())
        return nullptr;
    return lookingLike(turned(shown(last), *sense), candidates);
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

ImageBox* answer(FormaRotazione* window) {
    // One sign is shown: the clockwise one, or the anticlockwise one.
    const bool clockwise = !window->Image3[0]->isHidden();
    if (clockwise == !window->Image3[1]->isHidden())
        return nullptr;
    const ImageBox* last = lastFilled(window->Image2);
    if (!last)
        return nullptr;
    return lookingLike(turned(shown(last), clockwise ? 1 : 3), window->Image1);
}

ImageBox* answer(TrovaSimmetria* window) {
    const auto axes = window->area()->findChildren<LineShape*>();
    if (axes.size() != 1)
        return nullptr;
    return lookingLike(mirroredIn(shown(window->Image2[0]), *axes.first()), window->Image1);
}

ImageBox* answer(FinestraEsercizio* window) {
    if (auto* find = qobject_cast<TrovaRotazione*>(window))
        return answer(find);
    if (auto* type = qobject_cast<TipoRotazione*>(window))
        return answer(type);
    if (auto* build = qobject_cast<FormaRotazione*>(window))
        return answer(build);
    if (auto* symmetry = qobject_cast<TrovaSimmetria*>(window))
        return answer(symmetry);
    return nullptr;
}

} // namespace SeeingPupil
