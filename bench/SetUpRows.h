// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of setting up: the data check and NuovoEsercizio in every family
// of exercise window, each beside plain Qt showing as many pictures.

#include "BenchServices.h"
#include "BenchTable.h"

namespace Bench {

// The check app/main.cpp runs once the start window is shown.
void benchDataCheck(const Options& o, Table& table, Services& s);
// The first call on a fresh window and library, and calls repeated on one window.
void benchNuovoEsercizio(const Options& o, Table& table, Services& s);
// Every view a large photograph (one noisy 3000 x 3000 JPEG under all 208
// names): a set-up holds the window only while it starts, and the exercise
// is dealt once the letter is read on another thread.
void benchLargeViews(const Options& o, Table& table, Services& s);

} // namespace Bench
