// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoFinestre.h"

#include "FormAvvio.h"
#include "FormChiSei.h"
#include "FormMenu.h"

#include "common/frame/FinestraEsercizio.h"
#include "exercises/FinestreEsercizi.h"

QWidget* creaFinestra(FinestraId finestra, Contesto& ctx) {
    switch (finestra) {
    case FinestraId::FormAvvio:
        return new FormAvvio(ctx);
    case FinestraId::FormMenu:
        return new FormMenu(ctx);
    case FinestraId::FormChiSei:
        return new FormChiSei(ctx);
    default:
        return creaEsercizio(finestra, ctx);
    }
}
