// SPDX-License-Identifier: GPL-3.0-or-later
#include "LavoriDiFondo.h"

#include <memory>

void LavoriDiFondo::leggi(Lettera lettera, std::function<void(const LetturaViste::Lettura&)> poi) {
    auto richiesta = std::make_shared<Lettera>(std::move(lettera));
    lettura_.start([this, richiesta, poi = std::move(poi)](const std::atomic_bool& annullata) {
        Lettera& r = *richiesta;
        auto letta = std::make_shared<LetturaViste::Lettura>(
            LetturaViste::leggi(r.cartella, r.lettera, r.lato,
                                {.tutte = false,
                                 .parallelo = true,
                                 .lette = &r.lette,
                                 .verificate = &verificate_,
                                 .interrompi = &annullata,
                                 .soloEsito = false,
                                 .rinvia = false}));
        return std::function<void()>([poi, letta] {
            if (!letta->interrotta)
                poi(*letta);
        });
    });
}

void LavoriDiFondo::decodifica(Viste viste, int lato, std::function<void(Viste&)> poi) {
    // Files cannot be copied: the job and its result share them.
    auto daDecodificare = std::make_shared<Viste>(std::move(viste));
    decodifica_.start(
        [this, daDecodificare, lato, poi = std::move(poi)](const std::atomic_bool& annullata) {
            const bool fatta =
                LetturaViste::decodifica(*daDecodificare, lato, &verificate_, &annullata);
            return std::function<void()>([poi, daDecodificare, fatta] {
                if (fatta)
                    poi(*daDecodificare);
            });
        });
}
