// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of the class record's pages: the class at a glance made from
// 600,000 answers of 30 pupils, and a pupil's page opened from it, beside a
// bare pass over the same answers; what annota() costs the user-interface
// thread, and the teacher's reading of the same answers from 30 PCs' files.

#include "BenchTable.h"

namespace Bench {

void benchRecord(const Options& o, Table& table);

} // namespace Bench
