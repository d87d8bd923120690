// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RigaComando.h"

class FigureClasse;
class QTextStream;

// What the command line asks for that needs no window: help, the class
// figures for a school's technician.
namespace AzioniRiga {

// Whether the action runs without a window.
bool senzaFinestre(RigaComando::Azione azione);

// Runs an action without windows, writing what it has to say; the exit
// status: 0 done, 1 not done (the reason is written), 2 a wrong command line.
int esegui(const RigaComando::Scelta& scelta, const FigureClasse& classe, QTextStream& out,
           QTextStream& err);

} // namespace AzioniRiga
