// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagineInsegnante.h"

#include "AreaInsegnante.h"
#include "FormFigureClasse.h"
#include "PaginaImpostazioni.h"
#include "PaginaSchede.h"
#include "record/SportelloRegistro.h"

#include "common/Modulo1.h"
#include "common/class_figures/FigureClasse.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/settings/SalvataggioImpostazioni.h"

namespace PagineInsegnante {

namespace {

PaginaImpostazioni::Stato stato(const ImpostazioniLette& lette) {
    PaginaImpostazioni::Stato s{lette.valori, {}, lette.avvisi};
    for (auto i = lette.origini.cbegin(); i != lette.origini.cend(); ++i)
        if (i->bloccata)
            s.bloccate.insert(i.key());
    return s;
}

} // namespace

std::unique_ptr<AreaInsegnante> crea(const FontiImpostazioni& fonti, const QString& cartellaViste,
                                     MessageBoxService& messaggi, Prima prima) {
    auto area = std::make_unique<AreaInsegnante>(FullScreen(&FullScreen::windowManagerAnswers));
    const ImpostazioniLette lette = leggiImpostazioni(fonti);

    auto* figure = new FormFigureClasse(FigureClasse::delSistema(lette.valori.cartellaFigure),
                                        cartellaViste, messaggi);
    auto* impostazioni = new PaginaImpostazioni(
        [fonti] { return stato(leggiImpostazioni(fonti)); },
        [fonti](const Impostazioni& scelte) {
            return salvaImpostazioni(fonti.insegnante, scelte, leggiImpostazioni(fonti));
        });
    // A new folder of figures shows at once on the figures' page.
    QObject::connect(impostazioni, &PaginaImpostazioni::salvate, figure, [figure, fonti] {
        figure->setClasse(FigureClasse::delSistema(leggiImpostazioni(fonti).valori.cartellaFigure));
    });

    AreaInsegnante* finestra = area.get();
    area->aggiungiPagina(figure, QStringLiteral("Figure della classe"));
    area->aggiungiPagina(impostazioni, QStringLiteral("Impostazioni"), [=, &messaggi] {
        if (!impostazioni->modificate())
            return true;
        finestra->mostraPagina(impostazioni);
        const MessageBoxService::Answer risposta = messaggi.show(
            finestra, {Modulo1::titolo(),
                       QStringLiteral("Le impostazioni sono cambiate e non sono salvate. "
                                      "Salvarle prima di chiudere?"),
                       MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
        return risposta != MessageBoxService::Answer::Yes || impostazioni->salva();
    });
    area->aggiungiPagina(
        new PaginaSchede(PaginaSchede::fonti(cartellaViste, lette.valori.cartellaFigure)),
        QStringLiteral("Schede"));
    area->aggiungiPagina(new SportelloRegistro(AccessoRegistro(fonti), messaggi),
                         QStringLiteral("Registro"));
    area->mostraPagina(prima == Prima::Figure ? static_cast<QWidget*>(figure) : impostazioni);
    return area;
}

} // namespace PagineInsegnante
