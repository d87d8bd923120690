// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"

class FinestraEsercizio;
struct Contesto;

// A fresh exercise window of any family, built with its row of the family's
// table; nullptr for a window that is not an exercise.
FinestraEsercizio* creaEsercizio(FinestraId finestra, Contesto& ctx);
