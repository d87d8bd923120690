#include "FinestraEsercizio.h"

#include "Colori.h"
#include "Contesto.h"
#include "Controlli.h"
#include "FigureLibrary.h"
#include "FigureMemorizzate.h"
#include "Modulo1.h"
#include "ModuloColoriSuoni.h"
#include "Navigatore.h"
#include "StatoCondiviso.h"
#include "common/platform/AreaColorata.h"
#include "common/platform/ImageBox.h"
#include "common/platform/LineShape.h"
#include "common/platform/MessageBoxService.h"
#include "common/platform/NumberText.h"
#include "common/platform/Picture.h"
#include "common/platform/PictureButton.h"
#include "common/platform/Twips.h"

#include <QIcon>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace {
constexpr int latoFigura = 1800;
}

FinestraEsercizio::FinestraEsercizio(Contesto& context, FinestraId id, const QString& titolo,
                                     const LayoutCornice& layout, QWidget* parent)
    : QMainWindow(parent), ctx(context), id_(id) {
    setWindowTitle(titolo);
    setWindowIcon(ctx.memorizzate.icona(QStringLiteral("faccia_si")));
    setFont(Controlli::msSansSerif(8.25));

    area_ =
        new AreaColorata(QSize(Twips::toPixels(larghezzaArea), Twips::toPixels(altezzaArea)), this);
    setCentralWidget(area_);
    connect(&area_->scaler(), &UniformScaler::scaleChanged, this,
            &FinestraEsercizio::adattaAllaScala);
    Colori::impostaSfondo(*area_, Controlli::ciano);

    // The trailing blanks belong to the captions: they widen the entries.
    MenuAzzera = menuBar()->addAction(QStringLiteral("Azzera conteggio        "));
    MenuInformazioni = menuBar()->addAction(QStringLiteral("Informazioni          "));
    mnuEsci = menuBar()->addAction(QStringLiteral("Esci"));
    connect(MenuAzzera, &QAction::triggered, this, &FinestraEsercizio::MenuAzzera_Click);
    connect(MenuInformazioni, &QAction::triggered, this,
            &FinestraEsercizio::MenuInformazioni_Click);
    connect(mnuEsci, &QAction::triggered, this, &FinestraEsercizio::mnuEsci_Click);
    altezzaMenu_ = menuBar()->sizeHint().height();

    const auto at = [](QPoint p, int w, int h) { return Twips::rect(p.x(), p.y(), w, h); };
    Label1 = Controlli::etichetta(area_, QStringLiteral("Esatti"), at(layout.label1, 735, 375),
                                  Controlli::arial(12), Controlli::ciano);
    Label2 = Controlli::etichetta(area_, QStringLiteral("Errati"), at(layout.label2, 735, 495),
                                  Controlli::arial(12), Controlli::ciano);
    EtichettaEsatti = Controlli::etichetta(area_, QStringLiteral("quantiesatti"),
                                           at(layout.etichettaEsatti, 975, 615),
                                           Controlli::arial(18), Controlli::ciano);
    EtichettaErrati = Controlli::etichetta(area_, QStringLiteral("quantierrati"),
                                           at(layout.etichettaErrati, 855, 615),
                                           Controlli::arial(18), Controlli::ciano);

    const auto faccia = [&](const char* picture) {
        auto* button = new PictureButton(QString(), area_);
        button->setGeometry(at(layout.icone, 855, 750));
        button->setPicture(ctx.memorizzate.icona(QString::fromLatin1(picture)), QSize(32, 32));
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    ComandoIconaSi = faccia("faccia_si");
    ComandoIconaNo = faccia("faccia_no");
    ComandoIconaSi->hide();

    const QRect avanti = layout.bottoneAvanti;
    BottoneAvanti = new PictureButton(QStringLiteral("avanti"), area_);
    BottoneAvanti->setGeometry(
        Twips::rect(avanti.x(), avanti.y(), avanti.width(), avanti.height()));
    BottoneAvanti->setFont(Controlli::arial(14.25));
    BottoneAvanti->setPicture(ctx.memorizzate.icona(QStringLiteral("avanti")), QSize(40, 40));
    conCursoreFreccia(BottoneAvanti);
    BottoneAvanti->setEnabled(false);
    connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });
}

ImageBox* FinestraEsercizio::casellaFigura(QPoint twips, std::int16_t index, bool bordered) {
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips.x(), twips.y(), latoFigura, latoFigura));
    box->setBordered(bordered);
    return box;
}

ImageBox* FinestraEsercizio::casellaSegno(QRect twips, const QString& picture, std::int16_t index) {
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    box->setPicture(ctx.memorizzate.disegno(picture));
    return box;
}

LineShape* FinestraEsercizio::linea(QPoint fromTwips, QPoint toTwips, int widthPixels,
                                    QRgb colour) {
    return new LineShape(Twips::point(fromTwips.x(), fromTwips.y()),
                         Twips::point(toTwips.x(), toTwips.y()), widthPixels, QColor(colour),
                         area_);
}

void FinestraEsercizio::conCursoreFreccia(QWidget* control) {
    control->setCursor(ctx.memorizzate.cursoreFreccia(area_->scaler().scale()));
    conCursore_ << control;
}

void FinestraEsercizio::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    adattaAllaScala();
}

void FinestraEsercizio::adattaAllaScala() {
    const qreal s = area_->scaler().scale();
    const QCursor cursor = ctx.memorizzate.cursoreFreccia(s);
    for (QWidget* control : std::as_const(conCursore_))
        control->setCursor(cursor);
    // Figure boxes are 120 pixels at the stored size: pictures are decoded
    // for the pixels the boxes have on this screen now.
    ctx.figure.setPixelSide(int(std::ceil(120 * s * devicePixelRatioF() - 0.01)));
    for (ImageBox* box : area_->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly))
        ctx.figure.redecode(*box);
}

void FinestraEsercizio::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The menu bar is not scaled with the layout: its font grows a little,
    // in steps, up to half as large again, so "Esci" is easy to hit on a
    // board. It follows the whole window's size, which the bar's own height
    // does not change.
    const qreal s =
        UniformScaler::scaleFor(area_->scaler().storedSize() + QSize(0, altezzaMenu_), size());
    const qreal menu = std::clamp(std::floor((1 + (s - 1) / 4) * 8) / 8, 1.0, 1.5);
    if (menu == scalaMenu_)
        return;
    scalaMenu_ = menu;
    if (menu == 1.0) {
        menuBar()->setFont(QFont());
    } else {
        QFont font = this->font();
        font.setPointSizeF(font.pointSizeF() * menu);
        menuBar()->setFont(font);
    }
}

void FinestraEsercizio::Form_Activate() {
    EtichettaEsatti->setText(NumberText::plainForm(0));
    EtichettaErrati->setText(NumberText::plainForm(0));
    NuovoEsercizio();
}

void FinestraEsercizio::mostraVerdetto(bool giusto) {
    ComandoIconaSi->setVisible(giusto);
    ComandoIconaNo->setVisible(!giusto);
}

void FinestraEsercizio::contaEsatto() {
    StatoCondiviso::incrementa(ctx.stato.NumeroEsatti);
    EtichettaEsatti->setText(NumberText::signedForm(ctx.stato.NumeroEsatti));
}

void FinestraEsercizio::Esatto() {
    mostraVerdetto(true);
    ModuloColoriSuoni::SuonoEsatto(ctx);
    contaEsatto();
    BottoneAvanti->setEnabled(true);
    abilitaRisposte(false);
}

void FinestraEsercizio::Errato() {
    mostraVerdetto(false);
    ModuloColoriSuoni::SuonoErrato(ctx);
    StatoCondiviso::incrementa(ctx.stato.NumeroErrati);
    EtichettaErrati->setText(NumberText::signedForm(ctx.stato.NumeroErrati));
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    EtichettaEsatti->setText(NumberText::plainForm(0));
    EtichettaErrati->setText(NumberText::plainForm(0));
    ctx.stato.NumeroEsatti = 0;
    ctx.stato.NumeroErrati = 0;
}

void FinestraEsercizio::MenuInformazioni_Click() {
    Modulo1::MostraInformazioni(ctx, this);
}

void FinestraEsercizio::mnuEsci_Click() {
    const auto answer = ctx.messaggi.show(
        this, {Modulo1::titolo(), QStringLiteral("Vuoi tornare al menù?"),
               MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
    if (answer != MessageBoxService::Answer::Yes)
        return;
    ctx.navigatore.mostra(FinestraId::FormMenu);
    ctx.stato.NumeroEsatti = 0;
    ctx.stato.NumeroErrati = 0;
}

void FinestraEsercizio::CaricaColori() {
    Colori::CaricaColori(*area_, Colori::paletteEsercizi(), ctx.rnd);
}

void FinestraEsercizio::abilitaRisposte(bool enabled) {
    for (QWidget* control : controlliRisposta())
        control->setEnabled(enabled);
}
