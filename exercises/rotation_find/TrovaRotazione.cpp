#include "TrovaRotazione.h"

#include "common/Contesto.h"
#include "common/Estrazioni.h"
#include "common/FigureLibrary.h"
#include "common/StatoCondiviso.h"
#include "common/platform/ImageBox.h"
#include "common/platform/NumberText.h"
#include "common/platform/RandomSource.h"

namespace {

const QList<QPoint> rigaSequenza = {{120, 120}, {2040, 120}, {3960, 120}, {5880, 120}};
const QList<QPoint> otto = {{120, 2280}, {2040, 2280}, {3960, 2280}, {5880, 2280},
                            {120, 4320}, {2040, 4320}, {3960, 4320}, {5880, 4320}};

} // namespace

const QList<TrovaRotazione::Parametri>& TrovaRotazione::finestre() {
    static const QList<Parametri> tabella = {
        {FinestraId::FormEs2,
         "Trova la rotazione - 1",
         4,
         Senso::SempreOrario,
         {{120, 3240}, {7800, 3240}},
         {{240, 3480}, {2160, 3480}, {4080, 3480}, {6000, 3480}},
         QRect(3360, 2160, 975, 855)},
        {FinestraId::FormEs3,
         "Trova la rotazione - 2",
         8,
         Senso::SempreOrario,
         {{120, 2160}, {7800, 2160}},
         otto,
         QRect(7920, 3240, 975, 855)},
        {FinestraId::FormEs5,
         "Trova la rotazione - 3",
         4,
         Senso::EstrattoPrima,
         {{120, 2520}, {7800, 2520}},
         {{240, 3120}, {2160, 3120}, {4080, 3120}, {6000, 3120}},
         std::nullopt},
        {FinestraId::FormEs6,
         "Trova la rotazione - 4",
         8,
         Senso::EstrattoDopo,
         {{120, 2160}, {7800, 2160}},
         otto,
         std::nullopt},
    };
    return tabella;
}

TrovaRotazione::TrovaRotazione(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(parametri.titolo)),
      parametri_(parametri) {
    for (qsizetype i = 0; i < rigaSequenza.size(); ++i)
        Image2 << casellaFigura(rigaSequenza[i], std::int16_t(i), true);
    linea(parametri.linea[0], parametri.linea[1], 3, qRgb(0, 0, 0));
    for (qsizetype i = 0; i < parametri.caselle.size(); ++i) {
        ImageBox* box = casellaFigura(parametri.caselle[i], std::int16_t(i), false);
        connect(box, &ImageBox::clicked, this, &TrovaRotazione::Image1_Click);
        Image1 << box;
    }
    if (parametri.segnoOrario)
        Image3 << casellaSegno(*parametri.segnoOrario, QStringLiteral("senso_orario"));
}

void TrovaRotazione::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = Estrazioni::lettera(ctx.rnd, ctx.figure);
    Estrazioni::distribuisci(Image1, letter, ctx.rnd, ctx.figure);
    Image2[3]->setPicture(nullptr);

    std::int16_t& figura = ctx.stato.FiguraGiusta;
    const int viste = parametri_.candidati;
    switch (parametri_.senso) {
    case Senso::SempreOrario:
        SensoOrario = true;
        figura = std::int16_t(ctx.rnd.draw(viste) + 1);
        break;
    case Senso::EstrattoPrima:
        SensoOrario = ctx.rnd.draw(2) == 1;
        figura = std::int16_t(ctx.rnd.draw(viste) + 1);
        break;
    case Senso::EstrattoDopo:
        figura = std::int16_t(ctx.rnd.draw(viste) + 1);
        SensoOrario = ctx.rnd.draw(2) == 1;
        break;
    }
    for (int box = 0; box < 3; ++box) {
        ctx.figure.load(*Image2[box], letter, figura);
        figura = std::int16_t(Estrazioni::passo(figura, SensoOrario));
    }
    // FiguraGiusta now holds the fourth view: the right answer.
}

void TrovaRotazione::Image1_Click(std::int16_t index) {
    ImageBox* box = Image1[index];
    if (NumberText::toNumber(box->Tag) == double(ctx.stato.FiguraGiusta)) {
        Image2[3]->takePictureOf(*box);
        Esatto();
    } else {
        Errato();
    }
}

QList<QWidget*> TrovaRotazione::controlliRisposta() const {
    return {Image1.begin(), Image1.end()};
}
