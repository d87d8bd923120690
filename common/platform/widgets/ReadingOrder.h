// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QEvent;
class QWidget;

// Orders controls as a reader meets them on the screen: rows from the top,
// each row from left to right, whatever order they were created in. Used for
// keyboard moves and for the names a screen reader gives places.
namespace ReadingOrder {

// Controls whose tops lie within half the height of the first of a row
// belong to that row. Geometry is read in each control's parent.
QList<QWidget*> sorted(QList<QWidget*> controls);

// The control nearest to `from` in the direction of an arrow key
// (Qt::Key_Left, Key_Right, Key_Up or Key_Down), among `controls`; nullptr if
// none lies that way. Distance along the arrow counts once, distance across
// it twice, so the same row or column is preferred.
QWidget* nearest(const QList<QWidget*>& controls, const QWidget* from, int arrowKey);

bool isArrow(int key);

// The arrow key an event presses, or 0 for any other event: what a window's
// filter of its buttons' keys looks for.
int arrowPressed(const QEvent* event);

// Moves the keyboard focus with an arrow key to the nearest of the enabled,
// shown `controls` that way; with no `from`, to the first of them (where Tab
// starts). True when a control took the focus.
bool moveFocus(const QList<QWidget*>& controls, const QWidget* from, int arrowKey);

} // namespace ReadingOrder
