// SPDX-License-Identifier: GPL-3.0-or-later
#include "Modulo1.h"

#include "Contesto.h"
#include "Navigatore.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/settings/Impostazioni.h"

namespace Modulo1 {

QString titolo() {
    return QStringLiteral("Vortelia");
}

QString testoInformazioni() {
    return titolo() + QStringLiteral("  \r\n") + QLatin1Char(' ') + QString(23, QLatin1Char('-')) +
           QStringLiteral(" \r\nhttps://www.vortelia.example\r\nmail: info@vortelia.example");
}

void Main(ClockRandom& rnd, Navigatore& navigatore) {
    rnd.seedFromClock();
    navigatore.mostra(FinestraId::FormAvvio);
}

void informa(Contesto& ctx, QWidget* parent, const QString& text) {
    ctx.messaggi.show(parent, {titolo(), text, MessageBoxService::Icon::Information,
                               MessageBoxService::Buttons::Ok});
}

bool chiedi(Contesto& ctx, QWidget* parent, const QString& text) {
    return ctx.messaggi.show(parent, {titolo(), text, MessageBoxService::Icon::Question,
                                      MessageBoxService::Buttons::YesNo}) ==
           MessageBoxService::Answer::Yes;
}

void MostraInformazioni(Contesto& ctx, QWidget* parent) {
    informa(ctx, parent, testoInformazioni());
}

void ChiediUscita(Contesto& ctx, QWidget* parent) {
    // Pupils who cannot quit are not asked.
    if (ctx.impostazioni.blocco)
        return;
    if (chiedi(ctx, parent, QStringLiteral("Vuoi uscire dal programma?")))
        ctx.navigatore.terminaProgramma();
}

} // namespace Modulo1
