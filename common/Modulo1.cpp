#include "Modulo1.h"

#include "common/Contesto.h"
#include "common/Navigatore.h"
#include "common/platform/ClockRandom.h"
#include "common/platform/MessageBoxService.h"

namespace Modulo1 {

QString titolo() {
    return QStringLiteral("Vortelia");
}

QString testoInformazioni() {
    return QStringLiteral("Vortelia  \r\n") + QLatin1Char(' ') + QString(23, QLatin1Char('-')) +
           QStringLiteral(" \r\nhttps://www.vortelia.example\r\nmail: info@vortelia.example");
}

void Main(ClockRandom& rnd, Navigatore& navigatore) {
    rnd.seedFromClock();
    navigatore.mostra(FinestraId::FormAvvio);
}

void MostraInformazioni(Contesto& ctx, QWidget* parent) {
    ctx.messaggi.show(parent, {titolo(), testoInformazioni(), MessageBoxService::Icon::Information,
                               MessageBoxService::Buttons::Ok});
}

void ChiediUscita(Contesto& ctx, QWidget* parent) {
    const auto answer = ctx.messaggi.show(
        parent, {titolo(), QStringLiteral("Vuoi uscire dal programma?"),
                 MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
    if (answer == MessageBoxService::Answer::Yes)
        ctx.navigatore.terminaProgramma();
}

} // namespace Modulo1
