#include "FormaRotazione.h"

#include "common/Contesto.h"
#include "common/Estrazioni.h"
#include "common/FigureLibrary.h"
#include "common/StatoCondiviso.h"
#include "common/platform/ImageBox.h"
#include "common/platform/NumberText.h"
#include "common/platform/RandomSource.h"

namespace {

struct Disposizione {
    LayoutCornice cornice;
    QPoint linea[2];
    QList<QPoint> caselle;
    QRect segni;
};

const QList<QPoint> rigaSequenza = {{120, 120}, {2040, 120}, {3960, 120}, {5880, 120}};

// Four candidates under the row, or eight in two rows, the second running
// right to left.
const Disposizione& disposizione(int candidati) {
    static const Disposizione quattro = {[] {
                                             LayoutCornice c;
                                             c.bottoneAvanti = {8040, 4440, 1185, 1095};
                                             return c;
                                         }(),
                                         {{120, 3120}, {7800, 3120}},
                                         {{240, 3960}, {2160, 3960}, {4080, 3960}, {6000, 3960}},
                                         {3360, 2160, 975, 855}};
    static const Disposizione otto = {[] {
                                          LayoutCornice c;
                                          c.bottoneAvanti = {8040, 4440, 1185, 1095};
                                          c.icone = {8160, 1680};
                                          c.label1 = {8040, 2760};
                                          c.label2 = {8040, 3360};
                                          c.etichettaEsatti = {8760, 2640};
                                          c.etichettaErrati = {8760, 3240};
                                          return c;
                                      }(),
                                      {{0, 2040}, {7680, 2040}},
                                      {{120, 2160},
                                       {2040, 2160},
                                       {3960, 2160},
                                       {5880, 2160},
                                       {5880, 4080},
                                       {3960, 4080},
                                       {2040, 4080},
                                       {120, 4080}},
                                      {7920, 240, 1455, 1335}};
    return candidati == 8 ? otto : quattro;
}

} // namespace

const QList<FormaRotazione::Parametri>& FormaRotazione::finestre() {
    static const QList<Parametri> tabella = {
        {FinestraId::FormEs8, "Forma la rotazione - 1", 4, 1},
        {FinestraId::FormEs9, "Forma la rotazione - 2", 4, 0},
        {FinestraId::FormEs10, "Forma la rotazione - 3", 4, estratto},
        {FinestraId::FormEs11, "Forma la rotazione - 4", 8, 1},
        {FinestraId::FormEs12, "Forma la rotazione - 5", 8, 0},
        {FinestraId::FormEs13, "Forma la rotazione - 6", 8, estratto},
    };
    return tabella;
}

FormaRotazione::FormaRotazione(Contesto& context, const Parametri& parametri)
    : FinestraEsercizio(context, parametri.id, QString::fromUtf8(parametri.titolo),
                        disposizione(parametri.candidati).cornice),
      parametri_(parametri) {
    const Disposizione& d = disposizione(parametri.candidati);
    for (qsizetype i = 0; i < rigaSequenza.size(); ++i)
        Image2 << casellaFigura(rigaSequenza[i], std::int16_t(i), true);
    linea(d.linea[0], d.linea[1], 3, qRgb(0, 0, 0));
    for (qsizetype i = 0; i < d.caselle.size(); ++i) {
        ImageBox* box = casellaFigura(d.caselle[i], std::int16_t(i), false);
        connect(box, &ImageBox::clicked, this, &FormaRotazione::Image1_Click);
        Image1 << box;
    }
    Image3 << casellaSegno(d.segni, QStringLiteral("senso_orario"), 0)
           << casellaSegno(d.segni, QStringLiteral("senso_antiorario"), 1);
}

void FormaRotazione::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = Estrazioni::lettera(ctx.rnd, ctx.figure);
    Estrazioni::distribuisci(Image1, letter, ctx.rnd, ctx.figure);
    for (int i = 1; i <= 3; ++i)
        Image2[i]->setPicture(nullptr);

    const int d = parametri_.direzione == estratto ? ctx.rnd.draw(2) : parametri_.direzione;
    SensoOrario = d == 1;
    ImageBox* visibile = Image3[SensoOrario ? 0 : 1];
    ImageBox* nascosto = Image3[SensoOrario ? 1 : 0];
    visibile->show();
    nascosto->hide();

    // The start view is always of the figure itself, also with eight candidates.
    const int s = ctx.rnd.draw(4) + 1;
    ctx.stato.FiguraGiusta = std::int16_t(s);
    ctx.figure.load(*Image2[0], letter, s);
    avanzaFigura();
    ProssimaCasella = 1;
}

void FormaRotazione::avanzaFigura() {
    ctx.stato.FiguraGiusta = std::int16_t(Estrazioni::passo(ctx.stato.FiguraGiusta, SensoOrario));
}

void FormaRotazione::Image1_Click(std::int16_t index) {
    ImageBox* box = Image1[index];
    if (NumberText::toNumber(box->Tag) != double(ctx.stato.FiguraGiusta)) {
        Errato();
        return;
    }
    Image2[ProssimaCasella]->takePictureOf(*box);
    avanzaFigura();
    ++ProssimaCasella;
    if (ProssimaCasella == 4)
        Esatto();
}

QList<QWidget*> FormaRotazione::controlliRisposta() const {
    return {Image1.begin(), Image1.end()};
}
