// SPDX-License-Identifier: GPL-3.0-or-later
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

const TipoRotazione::Disposizione& TipoRotazione::disposizione() {
    static const Disposizione d = {
        .altoRiga = 600,
        .separatore = {.da = {120, 2640}, .a = {7800, 2640}},
        .segnoOrario = {4800, 3240, 2295, 2175},
        .segnoAntiorario = {720, 3240, 2295, 2175},
        .spessoreCornice = 9,
        .coloreCornice = qRgb(255, 0, 0),
        .orario = {.testo = "ORARIA",
                   .rettangolo = {4680, 5400, 2415, 495},
                   .carattere = {.faccia = Controlli::Carattere::Faccia::Arial, .punti = 26.25}},
        .antiorario = {.testo = "ANTIORARIA",
                       .rettangolo = {240, 5400, 3255, 495},
                       .carattere = {.faccia = Controlli::Carattere::Faccia::Arial,
                                     .punti = 26.25}},
    };
    return d;
}

TipoRotazione::TipoRotazione(Contesto& context)
    : FinestraEsercizio(context, FinestraId::FormEs4,
                        QStringLiteral("Indica il tipo di rotazione")) {
    const Disposizione& d = disposizione();
    Image2 = rigaSequenza(d.altoRiga);
    linea(d.separatore);

    Image1 = casellaSegno(d.segnoOrario, QStringLiteral("senso_orario"));
    Image3 = casellaSegno(d.segnoAntiorario, QStringLiteral("senso_antiorario"));
    for (ImageBox* sign : {Image1, Image3})
        conCursoreFreccia(sign);
    connect(Image1, &ImageBox::clicked, this, [this] { Image1_Click(); });
    connect(Image3, &ImageBox::clicked, this, [this] { Image3_Click(); });

    const auto cornice = [&](QRect twips) {
        auto* shape =
            new FrameShape(Twips::rect(twips), d.spessoreCornice, QColor(d.coloreCornice), area());
        shape->hide();
        return shape;
    };
    Shape1 = cornice(d.segnoOrario);
    Shape2 = cornice(d.segnoAntiorario);
    Shape1->setAccessibleName(QStringLiteral("Cornice rossa: senso orario"));
    Shape2->setAccessibleName(QStringLiteral("Cornice rossa: senso antiorario"));

    const auto didascalia = [this](const Didascalia& t) {
        return Controlli::etichetta(area(), QString::fromLatin1(t.testo), Twips::rect(t.rettangolo),
                                    Controlli::carattere(t.carattere), std::nullopt,
                                    Qt::AlignHCenter | Qt::AlignTop);
    };
    Label3 << didascalia(d.orario) << didascalia(d.antiorario);
}

void TipoRotazione::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = letteraEsercizio();
    if (letter.isNull())
        return;
    SensoOrario = ctx_.rnd.draw(2) == 1;
    int figura = ctx_.rnd.draw(8) + 1;
    ctx_.figure.carica(*Image2[0], letter, figura);
    for (int box = 1; box <= 3; ++box) {
        figura = Estrazioni::passo(figura, SensoOrario);
        ctx_.figure.carica(*Image2[box], letter, figura);
    }
    ctx_.stato.FiguraGiusta = std::int16_t(figura);
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
    ModuloColoriSuoni::SuonoEsatto(ctx_);
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
