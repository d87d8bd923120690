// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <Qt>

class ColouredArea;
class QWidget;

// The program's windows as the tests drive them.
namespace Windows {

// Gives the window the keyboard and waits until it has it: a compositor with
// no keyboard of its own (a headless Wayland one) activates no window by
// itself. False when it never gets it.
bool activate(QWidget* window);
// F11 where the window has the keyboard; false when it never got it.
bool pressF11(QWidget* window);
// A key pressed and released where the keyboard is: the focused control, or
// the window when nothing in it has the focus.
void key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Resizes a shown window, waits until it has the new size and lets the menu
// bar settle; false when it never gets that size.
bool resizeTo(QWidget* window, QSize size);

// Where a window's stored layout is scaled: an exercise window's area, or
// the window itself.
ColouredArea* surfaceOf(QWidget* window);

// A control's face as "Arial 24 bold": family, points, and bold if it is.
QString fontOf(const QWidget* control);

// The controls Tab reaches in a shown, active window, from `first` on, in
// order, until the keyboard comes back to `first` (or 100 presses).
QList<QWidget*> tabChain(QWidget* first);
// The controls of `window` the keyboard can reach that a screen reader
// would not name, by class; not a spin box's own field, whose box has the
// name, nor what a list that drops down shows in a window of its own.
QStringList unnamed(QWidget* window);

// Whether the tests run as a Wayland client.
bool onWayland();

} // namespace Windows
