// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipoRotazione.h"

#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/StatoCondiviso.h"
#include "common/frame/AnnotazioniRisposte.h"
#include "common/frame/Estrazioni.h"
#include "common/frame/FigureNelleCaselle.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"

#include <QLabel>
#include <QStringList>

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
                        QString::fromUtf8(titoloEsercizio(FinestraId::FormEs4))) {
    const Disposizione& d = disposizione();
    Image2 = caselle().rigaSequenza(d.altoRiga);
    caselle().linea(d.separatore);

    Image1 = caselle().segno(d.segnoOrario, QStringLiteral("senso_orario"));
    Image3 = caselle().segno(d.segnoAntiorario, QStringLiteral("senso_antiorario"));
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

// The two signs are disabled before the count, unlike the other windows.
void TipoRotazione::Esatto() {
    mostraEsatto();
    abilitaRisposte(false);
    contaEsatto();
    BottoneAvanti->setEnabled(true);
    daiAvanti();
}

void TipoRotazione::preparaEsercizio(QChar lettera) {
    Shape1->hide();
    Shape2->hide();
    SensoOrario = ctx_.rnd.draw(2) == 1;
    int figura = ctx_.rnd.draw(8) + 1;
    FigureNelleCaselle::carica(ctx_.figure, *Image2[0], lettera, figura);
    for (int box = 1; box <= 3; ++box) {
        figura = Estrazioni::passo(figura, SensoOrario);
        FigureNelleCaselle::carica(ctx_.figure, *Image2[box], lettera, figura);
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

QString TipoRotazione::descriviEsercizio() const {
    using A = AnnotazioniRisposte;
    QList<int> viste = A::vistePrima(ctx_.stato.FiguraGiusta, SensoOrario, 3);
    viste << ctx_.stato.FiguraGiusta;
    QStringList segni;
    for (QWidget* segno : controlliInOrdine())
        segni << (segno == Image1 ? QStringLiteral("orario") : QStringLiteral("antiorario"));
    return QStringLiteral("sequenza %1; %2; segni %3")
        .arg(A::numeri(viste), A::senso(SensoOrario), segni.join(QLatin1Char(' ')));
}

QList<QWidget*> TipoRotazione::controlliRisposta() const {
    return {Image1, Image3};
}
