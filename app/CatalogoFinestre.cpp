#include "CatalogoFinestre.h"

#include "FormAvvio.h"
#include "FormMenu.h"

#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

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
    if (auto* w = TrovaRotazione::crea(finestra, ctx))
        return w;
    if (auto* w = FormaRotazione::crea(finestra, ctx))
        return w;
    return TrovaSimmetria::crea(finestra, ctx);
}
