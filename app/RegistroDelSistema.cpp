// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroDelSistema.h"

#include "common/keys/ChiaviRegistro.h"
#include "common/record/RegistroClasse.h"
#include "common/settings/Impostazioni.h"

#include <QTextStream>

RegistroDelSistema::RegistroDelSistema(const Impostazioni& impostazioni, const Clock& orologio,
                                       QTextStream& err) {
    if (!impostazioni.registroAttivo)
        return;
    const CartelleRegistro cartelle = CartelleRegistro::delSistema(impostazioni.cartellaRegistro);
    QString errore;
    const std::optional<ChiaviPubbliche> chiavi = ChiaviRegistro::leggiPubbliche(cartelle, &errore);
    if (chiavi)
        registro_ = RegistroClasse::apri(cartelle, *chiavi, orologio, &errore);
    if (!registro_) {
        err << "vortelia: il registro resta spento: " << errore << '\n';
        err.flush();
        return;
    }
    nomi_ = chiavi->classe;
}

RegistroDelSistema::~RegistroDelSistema() = default;

RegistroInUso RegistroDelSistema::inUso() const {
    return {registro_.get(), nomi_};
}
