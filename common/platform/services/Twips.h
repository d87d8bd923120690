// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is kept in twips, the unit the layouts were designed in:
// 15 twips are one logical pixel. Qt's high-DPI scaling does the rest.
namespace Twips {

constexpr int perPixel = 15;

int toPixels(int twips);
QPoint point(QPoint twips);
QSize size(QSize twips);
QRect rect(QRect twips);

} // namespace Twips
