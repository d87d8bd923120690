// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrovaSimmetria.h"

#include "common/Contesto.h"
#include "common/StatoCondiviso.h"
#include "common/frame/AnnotazioniRisposte.h"
#include "common/frame/Estrazioni.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/LineShape.h"

namespace {

constexpr QRgb rosso = qRgb(255, 0, 0);
constexpr int spessoreAsse = 5;

const QList<QPoint> caselleDiagonali = {{4440, 2160}, {6480, 120},  {360, 4200},  {6480, 2160},
                                        {4440, 120},  {2400, 4200}, {4440, 4200}, {6480, 4200}};

const LayoutCornice corniceDiagonali = {.bottoneAvanti = {8400, 5040, 1185, 855},
                                        .icone = {8520, 840},
                                        .label1 = {8400, 1920},
                                        .label2 = {8400, 2400},
                                        .etichettaEsatti = {9120, 1800},
                                        .etichettaErrati = {9120, 2280}};

} // namespace

const QList<TrovaSimmetria::Parametri>& TrovaSimmetria::finestre() {
    static const QList<Parametri> tabella = {
        {.id = FinestraId::FormEs1,
         .partner = {5, 8, 7, 6, 1, 4, 3, 2},
         .cornice = {.bottoneAvanti = {8280, 5040, 945, 855},
                     .icone = {6240, 360},
                     .label1 = {7200, 480},
                     .label2 = {7200, 840},
                     .etichettaEsatti = {7920, 360},
                     .etichettaErrati = {7920, 960}},
         .asse = {.da = {3480, 120}, .a = {3480, 1920}, .spessore = spessoreAsse, .colore = rosso},
         .modello = {1440, 120},
         .risposta = {3720, 120},
         .caselle = {{120, 2280},
                     {2160, 2280},
                     {4200, 2280},
                     {6240, 2280},
                     {120, 4320},
                     {2160, 4320},
                     {4200, 4320},
                     {6240, 4320}}},
        {.id = FinestraId::FormEs7,
         .partner = {7, 6, 5, 8, 3, 2, 1, 4},
         .cornice = {.bottoneAvanti = {8280, 5040, 945, 855},
                     .icone = {7560, 240},
                     .label1 = {7200, 1080},
                     .label2 = {7200, 1440},
                     .etichettaEsatti = {7920, 960},
                     .etichettaErrati = {7920, 1320}},
         .asse = {.da = {120, 2040}, .a = {2040, 2040}, .spessore = spessoreAsse, .colore = rosso},
         .modello = {120, 120},
         .risposta = {120, 2160},
         .caselle = {{4320, 2160},
                     {2280, 2160},
                     {2280, 120},
                     {6240, 2160},
                     {4320, 120},
                     {2280, 4200},
                     {4200, 4200},
                     {6240, 4200}}},
        {.id = FinestraId::FormEs14,
         .partner = {6, 5, 8, 7, 2, 1, 4, 3},
         .cornice = corniceDiagonali,
         .asse = {.da = {840, 3120}, .a = {3120, 840}, .spessore = spessoreAsse, .colore = rosso},
         .modello = {120, 120},
         .risposta = {2040, 2040},
         .caselle = caselleDiagonali},
        {.id = FinestraId::FormEs15,
         .partner = {8, 7, 6, 5, 4, 3, 2, 1},
         .cornice = corniceDiagonali,
         .asse = {.da = {600, 600}, .a = {3240, 3240}, .spessore = spessoreAsse, .colore = rosso},
         .modello = {2040, 120},
         .risposta = {120, 2040},
         .caselle = caselleDiagonali},
    };
    return tabella;
}

TrovaSimmetria::TrovaSimmetria(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(titoloEsercizio(parametri.id)),
                        parametri.cornice),
      parametri_(parametri) {
    Image2 << caselle().figura(parametri.modello, 0, true, QStringLiteral("Modello"))
           << caselle().figura(parametri.risposta, 1, true,
                               QStringLiteral("Casella della risposta"));
    Image1 =
        caselle().candidati(parametri.caselle, [this](std::int16_t index) { Image1_Click(index); });
    caselle().linea(parametri.asse)->setAccessibleName(QStringLiteral("Asse di simmetria"));
}

void TrovaSimmetria::preparaEsercizio(QChar) {
    ctx_.stato.FiguraGiusta = std::int16_t(ctx_.rnd.draw(8));
    const ImageBox* modello = Image1[ctx_.stato.FiguraGiusta];
    Image2[0]->takePictureOf(*modello);
    Image2[1]->setPicture(nullptr);
    const int m = Estrazioni::numeroTag(*modello);
    FiguraSimmetrica = std::int16_t(parametri_.partner[std::size_t(m - 1)]);
}

QString TrovaSimmetria::descriviEsercizio() const {
    return QStringLiteral("modello %1; %2")
        .arg(Estrazioni::numeroTag(*Image1[ctx_.stato.FiguraGiusta]))
        .arg(FinestraEsercizio::descriviEsercizio());
}

void TrovaSimmetria::Image1_Click(std::int16_t index) {
    giudicaCandidato(*Image1[index], FiguraSimmetrica, *Image2[1]);
}
