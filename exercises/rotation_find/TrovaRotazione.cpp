// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrovaRotazione.h"

#include "common/Contesto.h"
#include "common/StatoCondiviso.h"
#include "common/frame/AnnotazioniRisposte.h"
#include "common/frame/FigureNelleCaselle.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/widgets/ImageBox.h"

namespace {

using Estrazioni::Senso;

QList<QPoint> quattro(int top) {
    return {{240, top}, {2160, top}, {4080, top}, {6000, top}};
}

const QList<QPoint> otto = {{120, 2280}, {2040, 2280}, {3960, 2280}, {5880, 2280},
                            {120, 4320}, {2040, 4320}, {3960, 4320}, {5880, 4320}};

} // namespace

const QList<TrovaRotazione::Parametri>& TrovaRotazione::finestre() {
    static const QList<Parametri> tabella = {
        {.id = FinestraId::FormEs2,
         .candidati = 4,
         .senso = Senso::SempreOrario,
         .separatore = {.da = {120, 3240}, .a = {7800, 3240}},
         .caselle = quattro(3480),
         .segnoOrario = QRect(3360, 2160, 975, 855)},
        {.id = FinestraId::FormEs3,
         .candidati = 8,
         .senso = Senso::SempreOrario,
         .separatore = {.da = {120, 2160}, .a = {7800, 2160}},
         .caselle = otto,
         .segnoOrario = QRect(7920, 3240, 975, 855)},
        {.id = FinestraId::FormEs5,
         .candidati = 4,
         .senso = Senso::EstrattoPrima,
         .separatore = {.da = {120, 2520}, .a = {7800, 2520}},
         .caselle = quattro(3120)},
        {.id = FinestraId::FormEs6,
         .candidati = 8,
         .senso = Senso::EstrattoDopo,
         .separatore = {.da = {120, 2160}, .a = {7800, 2160}},
         .caselle = otto},
    };
    return tabella;
}

TrovaRotazione::TrovaRotazione(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(titoloEsercizio(parametri.id))),
      parametri_(parametri) {
    Image2 = caselle().rigaSequenza(misureCornice.altoRiga);
    caselle().linea(parametri.separatore);
    Image1 =
        caselle().candidati(parametri.caselle, [this](std::int16_t index) { Image1_Click(index); });
    if (parametri.segnoOrario)
        Image3 << caselle().segno(*parametri.segnoOrario, QStringLiteral("senso_orario"));
}

void TrovaRotazione::preparaEsercizio(QChar lettera) {
    Image2[3]->setPicture(nullptr);

    // The sense is drawn before or after the first view, as the window says.
    const bool sensoPrima = parametri_.senso != Senso::EstrattoDopo;
    if (sensoPrima)
        SensoOrario = Estrazioni::sensoOrario(parametri_.senso, ctx_.rnd);
    int figura = ctx_.rnd.draw(parametri_.candidati) + 1;
    if (!sensoPrima)
        SensoOrario = Estrazioni::sensoOrario(parametri_.senso, ctx_.rnd);
    for (int box = 0; box < 3; ++box) {
        FigureNelleCaselle::carica(ctx_.figure, *Image2[box], lettera, figura);
        figura = Estrazioni::passo(figura, SensoOrario);
    }
    ctx_.stato.FiguraGiusta = std::int16_t(figura);
}

QString TrovaRotazione::descriviEsercizio() const {
    using A = AnnotazioniRisposte;
    return QStringLiteral("sequenza %1; %2; %3")
        .arg(A::numeri(A::vistePrima(ctx_.stato.FiguraGiusta, SensoOrario, 3)),
             A::senso(SensoOrario), FinestraEsercizio::descriviEsercizio());
}

void TrovaRotazione::Image1_Click(std::int16_t index) {
    giudicaCandidato(*Image1[index], ctx_.stato.FiguraGiusta, *Image2[3]);
}
