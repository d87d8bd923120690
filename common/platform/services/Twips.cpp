// SPDX-License-Identifier: GPL-3.0-or-later
#include "Twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

QPoint point(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

QSize size(QSize twips) {
    return {toPixels(twips.width()), toPixels(twips.height())};
}

// Position and size are rounded each on its own, so a box keeps its
// width wherever it stands.
QRect rect(QRect twips) {
    return {point(twips.topLeft()), size(twips.size())};
}

} // namespace Twips
