// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoFinestre.h"

#include "FormAvvio.h"
#include "FormMenu.h"

#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

namespace {

// A window of a family whose table lists it, built with its row of the table.
template <typename Finestra> Finestra* dallaTabella(FinestraId id, Contesto& ctx) {
    for (const auto& parametri : Finestra::finestre())
        if (parametri.id == id)
            return new Finestra(ctx, parametri);
    return nullptr;
}

} // namespace

QWidget* creaFinestra(FinestraId finestra, Contesto& ctx) {
    switch (finestra) {
    case FinestraId::FormAvvio:
        return new FormAvvio(ctx);
    case FinestraId::FormMenu:
        return new FormMenu(ctx);
    case FinestraId::FormEs4:
        return new TipoRotazione(ctx);
    default:
        break;
    }
    if (auto* w = dallaTabella<TrovaRotazione>(finestra, ctx))
        return w;
    if (auto* w = dallaTabella<FormaRotazione>(finestra, ctx))
        return w;
    return dallaTabella<TrovaSimmetria>(finestra, ctx);
}
