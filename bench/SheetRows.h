// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The row of printing: a worksheet of 20 exercises in two versions with
// their keys, written to a PDF, beside plain Qt writing as many pictures.

#include "BenchServices.h"
#include "BenchTable.h"

namespace Bench {

void benchWorksheet(const Options& o, Table& table, Services& s);

} // namespace Bench
