// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchServices.h"
#include "BenchTable.h"

namespace Bench {

// A click's feedback, right and wrong, in a window that finds a rotation and
// one that builds it, beside a bare Qt box whose click shows the same.
void benchClicks(const Options& o, Table& table, Services& s);

} // namespace Bench
