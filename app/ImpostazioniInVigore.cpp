// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpostazioniInVigore.h"

ImpostazioniInVigore::ImpostazioniInVigore(FontiImpostazioni fonti, Avviso avviso)
    : fonti_(std::move(fonti)), avviso_(std::move(avviso)) {}

Impostazioni ImpostazioniInVigore::leggi() {
    const ImpostazioniLette lette = leggiImpostazioni(fonti_);
    for (const QString& avviso : lette.avvisi)
        if (!detti_.contains(avviso)) {
            detti_.insert(avviso);
            avviso_(avviso);
        }
    return lette.valori;
}
