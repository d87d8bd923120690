// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two ways counters and tags are written, and how tags are read back.
namespace NumberText {

// One blank where a minus sign would stand, then the digits: 3 gives " 3".
QString signedForm(int value);

// The digits alone: 0 gives "0".
QString plainForm(int value);

// Skips leading blanks and reads the decimal number that follows;
// text with no number gives 0 (" 3" gives 3, "" gives 0).
double toNumber(const QString& text);

} // namespace NumberText
