// SPDX-License-Identifier: GPL-3.0-or-later
#include "Registrazione.h"

#include "common/platform/services/Clock.h"
#include "common/record/Annotazione.h"

#include <QtDebug>

Registrazione::Registrazione(RegistroInUso registro, const Clock& orologio)
    : annotazione_(registro.annotazione), nomi_(std::move(registro.nomi)), orologio_(orologio) {
    if (annotazione_ && nomi_.isEmpty()) {
        qWarning("Registro: l'elenco della classe è vuoto o illeggibile; si gioca senza registro.");
        annotazione_ = nullptr;
    }
}

void Registrazione::inizia(const QString& alunno) {
    finisci();
    alunno_ = alunno;
    annotaTurno(VoceRegistro::Tipo::Inizio);
}

void Registrazione::finisci() {
    annotaTurno(VoceRegistro::Tipo::Fine);
    alunno_.clear();
}

void Registrazione::annotaTurno(VoceRegistro::Tipo tipo) const {
    VoceRegistro voce;
    voce.tipo = tipo;
    annota(std::move(voce));
}

void Registrazione::annota(VoceRegistro voce) const {
    if (!attiva())
        return;
    voce.quando = orologio_.utcMilliseconds();
    voce.alunno = alunno_;
    annotazione_->annota(voce);
}
