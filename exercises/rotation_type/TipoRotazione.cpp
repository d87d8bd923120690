#include "TipoRotazione.h"

#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/Estrazioni.h"
#include "common/FigureLibrary.h"
#include "common/FigureMemorizzate.h"
#include "common/ModuloColoriSuoni.h"
#include "common/StatoCondiviso.h"
#include "common/platform/FrameShape.h"
#include "common/platform/ImageBox.h"
#include "common/platform/PictureButton.h"
#include "common/platform/RandomSource.h"
#include "common/platform/Twips.h"

#include <QLabel>

namespace {

constexpr QRgb rosso = qRgb(255, 0, 0);
constexpr int spessoreCornice = 9;
const QRect rettangoloOrario{4800, 3240, 2295, 2175};
const QRect rettangoloAntiorario{720, 3240, 2295, 2175};

QRect pixels(QRect twips) {
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

TipoRotazione::TipoRotazione(Contesto& context)
    : FinestraEsercizio(context, FinestraId::FormEs4,
                        QStringLiteral("Indica il tipo di rotazione")) {
    for (int i = 0; i < 4; ++i)
        Image2 << casellaFigura({120 + 1920 * i, 600}, std::int16_t(i), true);
    linea({120, 2640}, {7800, 2640}, 3, qRgb(0, 0, 0));

    Image1 = casellaSegno(rettangoloOrario, QStringLiteral("senso_orario"));
    Image3 = casellaSegno(rettangoloAntiorario, QStringLiteral("senso_antiorario"));
    for (ImageBox* sign : {Image1, Image3})
        conCursoreFreccia(sign);
    connect(Image1, &ImageBox::clicked, this, [this] { Image1_Click(); });
    connect(Image3, &ImageBox::clicked, this, [this] { Image3_Click(); });

    Shape1 = new FrameShape(pixels(rettangoloOrario), spessoreCornice, QColor(rosso), area());
    Shape2 = new FrameShape(pixels(rettangoloAntiorario), spessoreCornice, QColor(rosso), area());
    Shape1->hide();
    Shape2->hide();

    const auto didascalia = [this](const char* text, QRect twips) {
        return Controlli::etichetta(area(), QString::fromLatin1(text), pixels(twips),
                                    Controlli::arial(26.25), std::nullopt,
                                    Qt::AlignHCenter | Qt::AlignTop);
    };
    Label3 << didascalia("ORARIA", {4680, 5400, 2415, 495})
           << didascalia("ANTIORARIA", {240, 5400, 3255, 495});
}

void TipoRotazione::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = Estrazioni::lettera(ctx.rnd, ctx.figure);
    SensoOrario = ctx.rnd.draw(2) == 1;
    std::int16_t& k = ctx.stato.FiguraGiusta;
    k = std::int16_t(ctx.rnd.draw(8) + 1);
    ctx.figure.load(*Image2[0], letter, k);
    for (int box = 1; box <= 3; ++box) {
        k = std::int16_t(Estrazioni::passo(k, SensoOrario));
        ctx.figure.load(*Image2[box], letter, k);
    }
}

void TipoRotazione::Image1_Click() {
    if (SensoOrario) {
        Esatto();
        Shape1->show();
    } else {
        Errato();
    }
}

void TipoRotazione::Image3_Click() {
    if (!SensoOrario) {
        Shape2->show();
        Esatto();
    } else {
        Errato();
    }
}

// Disables the two signs before counting, unlike the other windows.
void TipoRotazione::Esatto() {
    mostraVerdetto(true);
    ModuloColoriSuoni::SuonoEsatto(ctx);
    abilitaRisposte(false);
    contaEsatto();
    BottoneAvanti->setEnabled(true);
}

void TipoRotazione::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    Shape1->hide();
    Shape2->hide();
    abilitaRisposte(true);
}

QList<QWidget*> TipoRotazione::controlliRisposta() const {
    return {Image1, Image3};
}
