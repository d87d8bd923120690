#pragma once

#include <QPoint>
#include <QRect>

// Window geometry is kept in twips, the unit the layouts were designed in:
// 15 twips are one logical pixel. Qt's high-DPI scaling does the rest.
namespace Twips {

constexpr int perPixel = 15;

int toPixels(int twips);
QPoint point(int left, int top);
QRect rect(int left, int top, int width, int height);

} // namespace Twips
