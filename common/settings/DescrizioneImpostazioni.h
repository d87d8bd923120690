// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LetturaImpostazioni.h"

#include <QString>

// What `vortelia --impostazioni` prints: every key, grouped, as a settings
// file writes it, with the value in force and where it came from after it
// (the default, a file, the school's lock), then the warnings. The text is
// itself a settings file that gives the same values.
QString descriviImpostazioni(const ImpostazioniLette&);
