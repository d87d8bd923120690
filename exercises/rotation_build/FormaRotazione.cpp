// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormaRotazione.h"

#include "common/Contesto.h"
#include "common/StatoCondiviso.h"
#include "common/frame/AnnotazioniRisposte.h"
#include "common/frame/FigureNelleCaselle.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/widgets/ImageBox.h"

namespace {

using Estrazioni::Senso;

// Four candidates under the row.
const FormaRotazione::Disposizione quattro = {
    .cornice = {.bottoneAvanti = {8040, 4440, 1185, 1095}},
    .separatore = {.da = {120, 3120}, .a = {7800, 3120}},
    .caselle = {{240, 3960}, {2160, 3960}, {4080, 3960}, {6000, 3960}},
    .segni = {3360, 2160, 975, 855},
};

// Eight candidates in two rows, the second running right to left.
const FormaRotazione::Disposizione otto = {
    .cornice = {.bottoneAvanti = {8040, 4440, 1185, 1095},
                .icone = {8160, 1680},
                .label1 = {8040, 2760},
                .label2 = {8040, 3360},
                .etichettaEsatti = {8760, 2640},
                .etichettaErrati = {8760, 3240}},
    .separatore = {.da = {0, 2040}, .a = {7680, 2040}},
    .caselle = {{120, 2160},
                {2040, 2160},
                {3960, 2160},
                {5880, 2160},
                {5880, 4080},
                {3960, 4080},
                {2040, 4080},
                {120, 4080}},
    .segni = {7920, 240, 1455, 1335},
};

} // namespace

const QList<FormaRotazione::Parametri>& FormaRotazione::finestre() {
    static const QList<Parametri> tabella = {
        {.id = FinestraId::FormEs8, .disposizione = &quattro, .senso = Senso::SempreOrario},
        {.id = FinestraId::FormEs9, .disposizione = &quattro, .senso = Senso::SempreAntiorario},
        {.id = FinestraId::FormEs10, .disposizione = &quattro, .senso = Senso::EstrattoPrima},
        {.id = FinestraId::FormEs11, .disposizione = &otto, .senso = Senso::SempreOrario},
        {.id = FinestraId::FormEs12, .disposizione = &otto, .senso = Senso::SempreAntiorario},
        {.id = FinestraId::FormEs13, .disposizione = &otto, .senso = Senso::EstrattoPrima},
    };
    return tabella;
}

FormaRotazione::FormaRotazione(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(titoloEsercizio(parametri.id)),
                        parametri.disposizione->cornice),
      parametri_(parametri) {
    const Disposizione& d = *parametri.disposizione;
    Image2 = caselle().rigaSequenza(misureCornice.altoRiga);
    caselle().linea(d.separatore);
    Image1 = caselle().candidati(d.caselle, [this](std::int16_t index) { Image1_Click(index); });
    Image3 << caselle().segno(d.segni, QStringLiteral("senso_orario"), 0)
           << caselle().segno(d.segni, QStringLiteral("senso_antiorario"), 1);
}

void FormaRotazione::preparaEsercizio(QChar lettera) {
    for (int i = 1; i <= 3; ++i)
        Image2[i]->setPicture(nullptr);

    SensoOrario = Estrazioni::sensoOrario(parametri_.senso, ctx_.rnd);
    ImageBox* visibile = Image3[SensoOrario ? 0 : 1];
    ImageBox* nascosto = Image3[SensoOrario ? 1 : 0];
    visibile->show();
    nascosto->hide();

    // The start view is always of the figure itself, also with eight candidates.
    const int inizio = ctx_.rnd.draw(4) + 1;
    FigureNelleCaselle::carica(ctx_.figure, *Image2[0], lettera, inizio);
    ctx_.stato.FiguraGiusta = std::int16_t(Estrazioni::passo(inizio, SensoOrario));
    ProssimaCasella = 1;
}

QString FormaRotazione::descriviEsercizio() const {
    using A = AnnotazioniRisposte;
    const QList<int> inizio = A::vistePrima(ctx_.stato.FiguraGiusta, SensoOrario, ProssimaCasella);
    return QStringLiteral("inizio %1; %2; %3")
        .arg(A::numeri({inizio.first()}), A::senso(SensoOrario),
             FinestraEsercizio::descriviEsercizio());
}

void FormaRotazione::avanzaFigura() {
    ctx_.stato.FiguraGiusta = std::int16_t(Estrazioni::passo(ctx_.stato.FiguraGiusta, SensoOrario));
}

void FormaRotazione::Image1_Click(std::int16_t index) {
    ImageBox* box = Image1[index];
    if (Estrazioni::numeroTag(*box) != ctx_.stato.FiguraGiusta) {
        Errato();
        return;
    }
    Image2[ProssimaCasella]->takePictureOf(*box);
    avanzaFigura();
    ++ProssimaCasella;
    if (ProssimaCasella == 4)
        Esatto();
}
