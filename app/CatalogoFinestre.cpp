#include "CatalogoFinestre.h"

#include "FormAvvio.h"
#include "FormMenu.h"

QWidget* creaFinestra(FinestraId finestra, Contesto& ctx) {
    switch (finestra) {
    case FinestraId::FormAvvio:
        return new FormAvvio(ctx);
    case FinestraId::FormMenu:
        return new FormMenu(ctx);
    default:
        return nullptr;
    }
}
