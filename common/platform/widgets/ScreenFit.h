// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window opens in the normal state: at its wanted size, or the
// largest size of the same shape that fits the screen's available area,
// centred in it with its title bar on the screen.
namespace ScreenFit {

// The window's client geometry; frame: the decorations around it.
QRect clientGeometry(QSize wanted, QMargins frame, QRect available);

// Sizes and places a window that is not shown yet; the window it replaces,
// if any, tells the screen and the size of the decorations.
void place(QWidget& window, const QWidget* previous);

} // namespace ScreenFit
