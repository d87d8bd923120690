// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Registrazione.h"

#include <memory>

class Clock;
class QTextStream;
class RegistroClasse;
struct Impostazioni;

// The class record of this PC for the pupils' program, as the settings and
// the teacher's keys give it: on when the settings keep it (`[registro]
// attivo`) and the keys are in the record's folder (or, for a lab's share
// that is away, in this PC's copy of them). A record that cannot be used is
// said once on `err`, and the program runs as with the record off. It must
// outlive the program that writes into it.
class RegistroDelSistema {
public:
    RegistroDelSistema(const Impostazioni& impostazioni, const Clock& orologio, QTextStream& err);
    ~RegistroDelSistema();
    RegistroDelSistema(const RegistroDelSistema&) = delete;
    RegistroDelSistema& operator=(const RegistroDelSistema&) = delete;

    RegistroInUso inUso() const;

private:
    std::unique_ptr<RegistroClasse> registro_;
    QStringList nomi_;
};
