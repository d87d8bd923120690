// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LetturaImpostazioni.h"

#include <QString>

#include <chrono>

// Saves the teacher's choices into the teacher's file: only the keys whose
// value differs from the school's, never one the school locks. The file is
// replaced whole or not at all (a crash or a full disk leaves the old one),
// one save at a time among all the program's runs, its folder made if
// missing. Returns an empty string when saved, else an Italian sentence that
// says why nothing was changed. Another save's turn is awaited that long.
QString salvaImpostazioni(const QString& file, const Impostazioni& scelte,
                          const ImpostazioniLette& lette,
                          std::chrono::milliseconds attesa = std::chrono::seconds(5));
