// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestreEsercizi.h"

#include "rotation_build/FormaRotazione.h"
#include "rotation_find/TrovaRotazione.h"
#include "rotation_type/TipoRotazione.h"
#include "symmetry_find/TrovaSimmetria.h"

namespace {

// A window of a family whose table lists it, built with its row of the table.
template <typename Finestra> Finestra* dallaTabella(FinestraId id, Contesto& ctx) {
    for (const auto& parametri : Finestra::finestre())
        if (parametri.id == id)
            return new Finestra(ctx, parametri);
    return nullptr;
}

} // namespace

FinestraEsercizio* creaEsercizio(FinestraId finestra, Contesto& ctx) {
    if (finestra == FinestraId::FormEs4)
        return new TipoRotazione(ctx);
    if (auto* w = dallaTabella<TrovaRotazione>(finestra, ctx))
        return w;
    if (auto* w = dallaTabella<FormaRotazione>(finestra, ctx))
        return w;
    return dallaTabella<TrovaSimmetria>(finestra, ctx);
}
