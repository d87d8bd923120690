#include "Twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

QPoint point(int left, int top) {
    return {toPixels(left), toPixels(top)};
}

QRect rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
