// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader is told about the program's own kinds of controls:
// image boxes are buttons when they can be pressed and pictures otherwise,
// lines are separators, frame shapes and decorative buttons are pictures, a
// coloured surface that is a window is a window, and the entries of a
// keyboard menu bar are named and pressed as MenuBarAccessible says. Qt's
// own controls need nothing. Safe to call any number of times.
namespace Accessibility {

void install();

} // namespace Accessibility
