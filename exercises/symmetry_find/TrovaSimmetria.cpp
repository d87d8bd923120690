#include "TrovaSimmetria.h"

#include "common/Contesto.h"
#include "common/Estrazioni.h"
#include "common/StatoCondiviso.h"
#include "common/platform/ImageBox.h"
#include "common/platform/NumberText.h"
#include "common/platform/RandomSource.h"

namespace {

constexpr QRgb rosso = qRgb(255, 0, 0);

LayoutCornice cornice(QRect avanti, QPoint icone, QPoint label1, QPoint label2, QPoint esatti,
                      QPoint errati) {
    LayoutCornice c;
    c.bottoneAvanti = avanti;
    c.icone = icone;
    c.label1 = label1;
    c.label2 = label2;
    c.etichettaEsatti = esatti;
    c.etichettaErrati = errati;
    return c;
}

const std::array<QPoint, 8> caselleDiagonali = {{{4440, 2160},
                                                 {6480, 120},
                                                 {360, 4200},
                                                 {6480, 2160},
                                                 {4440, 120},
                                                 {2400, 4200},
                                                 {4440, 4200},
                                                 {6480, 4200}}};

const LayoutCornice corniceDiagonali = cornice({8400, 5040, 1185, 855}, {8520, 840}, {8400, 1920},
                                               {8400, 2400}, {9120, 1800}, {9120, 2280});

} // namespace

const QList<TrovaSimmetria::Parametri>& TrovaSimmetria::finestre() {
    static const QList<Parametri> tabella = {
        {FinestraId::FormEs1,
         "Trova la simmetria - asse verticale",
         {5, 8, 7, 6, 1, 4, 3, 2},
         cornice({8280, 5040, 945, 855}, {6240, 360}, {7200, 480}, {7200, 840}, {7920, 360},
                 {7920, 960}),
         {{3480, 120}, {3480, 1920}},
         {1440, 120},
         {3720, 120},
         {{{120, 2280},
           {2160, 2280},
           {4200, 2280},
           {6240, 2280},
           {120, 4320},
           {2160, 4320},
           {4200, 4320},
           {6240, 4320}}}},
        {FinestraId::FormEs7,
         "Trova la simmetria - asse orizzontale",
         {7, 6, 5, 8, 3, 2, 1, 4},
         cornice({8280, 5040, 945, 855}, {7560, 240}, {7200, 1080}, {7200, 1440}, {7920, 960},
                 {7920, 1320}),
         {{120, 2040}, {2040, 2040}},
         {120, 120},
         {120, 2160},
         {{{4320, 2160},
           {2280, 2160},
           {2280, 120},
           {6240, 2160},
           {4320, 120},
           {2280, 4200},
           {4200, 4200},
           {6240, 4200}}}},
        {FinestraId::FormEs14,
         "Trova la simmetria - asse diagonale - 1",
         {6, 5, 8, 7, 2, 1, 4, 3},
         corniceDiagonali,
         {{840, 3120}, {3120, 840}},
         {120, 120},
         {2040, 2040},
         caselleDiagonali},
        {FinestraId::FormEs15,
         "Trova la simmetria - asse diagonale - 2",
         {8, 7, 6, 5, 4, 3, 2, 1},
         corniceDiagonali,
         {{600, 600}, {3240, 3240}},
         {2040, 120},
         {120, 2040},
         caselleDiagonali},
    };
    return tabella;
}

TrovaSimmetria::TrovaSimmetria(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(parametri.titolo),
                        parametri.cornice),
      parametri_(parametri) {
    Image2 << casellaFigura(parametri.modello, 0, true)
           << casellaFigura(parametri.risposta, 1, true);
    for (std::size_t i = 0; i < parametri.caselle.size(); ++i) {
        ImageBox* box = casellaFigura(parametri.caselle[i], std::int16_t(i), false);
        connect(box, &ImageBox::clicked, this, &TrovaSimmetria::Image1_Click);
        Image1 << box;
    }
    linea(parametri.asse[0], parametri.asse[1], 5, rosso);
}

void TrovaSimmetria::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = Estrazioni::lettera(ctx.rnd, ctx.figure);
    Estrazioni::distribuisci(Image1, letter, ctx.rnd, ctx.figure);
    ctx.stato.FiguraGiusta = std::int16_t(ctx.rnd.draw(8));
    ImageBox* modello = Image1[ctx.stato.FiguraGiusta];
    Image2[0]->takePictureOf(*modello);
    Image2[1]->setPicture(nullptr);
    const int m = static_cast<int>(NumberText::toNumber(modello->Tag));
    FiguraSimmetrica = std::int16_t(parametri_.partner[std::size_t(m - 1)]);
}

void TrovaSimmetria::Image1_Click(std::int16_t index) {
    ImageBox* box = Image1[index];
    if (NumberText::toNumber(box->Tag) == double(FiguraSimmetrica)) {
        Image2[1]->takePictureOf(*box);
        Esatto();
    } else {
        Errato();
    }
}

QList<QWidget*> TrovaSimmetria::controlliRisposta() const {
    return {Image1.begin(), Image1.end()};
}
