// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Acts on a real modal message box while it waits for an answer.
namespace OpenBox {

// Runs `action` on the box once it is on the screen. A box still open five
// seconds later is closed, so that a test of a box that would stay open for
// good fails instead of hanging: `stuck` is then set.
void whenShown(std::function<void(QWidget* box)> action, bool* stuck);

} // namespace OpenBox
