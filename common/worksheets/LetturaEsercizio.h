// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EsercizioStampato.h"

class FinestraEsercizio;
struct StatoCondiviso;

// What an exercise window shows once its exercise is set up, and its answer,
// read from its controls and from the state its answer check reads.
namespace LetturaEsercizio {

EsercizioStampato leggi(const FinestraEsercizio& finestra, const StatoCondiviso& stato);

// Every picture the sheet prints is there: none was missing or unreadable.
bool completo(const EsercizioStampato& esercizio);

} // namespace LetturaEsercizio
