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
#include "common/platform/NumberText.h"
#include "common/platform/Picture.h"
#include "common/platform/PictureButton.h"
#include "common/platform/Twips.h"

#include <QIcon>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

FinestraEsercizio::FinestraEsercizio(Contesto& context, FinestraId id, const QString& titolo,
                                     const LayoutCornice& layout, QWidget* parent)
    : QMainWindow(parent), ctx_(context), id_(id), layout_(layout) {
    const MisureCornice& misure = misureCornice;
    setWindowTitle(titolo);
    setWindowIcon(ctx_.memorizzate.icona(QStringLiteral("faccia_si")));
    setFont(Controlli::carattere(misure.carattereFinestra));

    area_ = new AreaColorata(Twips::size(misure.area), this);
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

    const auto etichetta = [&](const char* caption, QPoint at, QSize size,
                               const Controlli::Carattere& carattere) {
        return Controlli::etichetta(area_, QString::fromLatin1(caption), Twips::rect({at, size}),
                                    Controlli::carattere(carattere), Controlli::ciano);
    };
    Label1 = etichetta("Esatti", layout.label1, misure.label1, misure.carattereLabel);
    Label2 = etichetta("Errati", layout.label2, misure.label2, misure.carattereLabel);
    EtichettaEsatti = etichetta("quantiesatti", layout.etichettaEsatti, misure.etichettaEsatti,
                                misure.carattereContatori);
    EtichettaErrati = etichetta("quantierrati", layout.etichettaErrati, misure.etichettaErrati,
                                misure.carattereContatori);

    const auto faccia = [&](const char* picture) {
        auto* button = new PictureButton(QString(), area_);
        button->setGeometry(Twips::rect({layout.icone, misure.icone}));
        button->setPicture(ctx_.memorizzate.icona(QString::fromLatin1(picture)),
                           misure.disegnoFacce);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    ComandoIconaSi = faccia("faccia_si");
    ComandoIconaNo = faccia("faccia_no");
    ComandoIconaSi->hide();

    BottoneAvanti = new PictureButton(QStringLiteral("avanti"), area_);
    BottoneAvanti->setGeometry(Twips::rect(layout.bottoneAvanti));
    BottoneAvanti->setFont(Controlli::carattere(misure.carattereAvanti));
    BottoneAvanti->setPicture(ctx_.memorizzate.icona(QStringLiteral("avanti")),
                              misure.disegnoAvanti);
    conCursoreFreccia(BottoneAvanti);
    BottoneAvanti->setEnabled(false);
    connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });
}

ImageBox* FinestraEsercizio::casellaFigura(QPoint twips, std::int16_t index, bool bordered) {
    const int lato = misureCornice.latoFigura;
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect({twips, QSize(lato, lato)}));
    box->setBordered(bordered);
    return box;
}

QList<ImageBox*> FinestraEsercizio::rigaSequenza(int topTwips) {
    QList<ImageBox*> row;
    for (int i = 0; i < 4; ++i) {
        const QPoint at(misureCornice.sinistraRiga + misureCornice.passoRiga * i, topTwips);
        row << casellaFigura(at, std::int16_t(i), true);
    }
    return row;
}

QList<ImageBox*> FinestraEsercizio::candidati(const QList<QPoint>& twips,
                                              std::function<void(std::int16_t)> onClick) {
    for (qsizetype i = 0; i < twips.size(); ++i) {
        ImageBox* box = casellaFigura(twips[i], std::int16_t(i), false);
        connect(box, &ImageBox::clicked, this, onClick);
        candidati_ << box;
    }
    return candidati_;
}

ImageBox* FinestraEsercizio::casellaSegno(QRect twips, const QString& picture, std::int16_t index) {
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips));
    box->setPicture(ctx_.memorizzate.disegno(picture));
    return box;
}

LineShape* FinestraEsercizio::linea(const Linea& linea) {
    return new LineShape(Twips::point(linea.da), Twips::point(linea.a), linea.spessore,
                         QColor(linea.colore), area_);
}

QList<QWidget*> FinestraEsercizio::controlliRisposta() const {
    return {candidati_.begin(), candidati_.end()};
}

void FinestraEsercizio::conCursoreFreccia(QWidget* control) {
    control->setCursor(ctx_.memorizzate.cursoreFreccia(area_->scaler().scale()));
    conCursore_ << control;
}

void FinestraEsercizio::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    adattaAllaScala();
}

void FinestraEsercizio::adattaAllaScala() {
    const qreal s = area_->scaler().scale();
    const QCursor cursor = ctx_.memorizzate.cursoreFreccia(s);
    for (QWidget* control : std::as_const(conCursore_))
        control->setCursor(cursor);
    // Pictures are decoded for the pixels the figure boxes have on this
    // screen now.
    const qreal side = Twips::toPixels(misureCornice.latoFigura) * s * devicePixelRatioF();
    ctx_.figure.setPixelSide(int(std::ceil(side - 0.01)));
    for (ImageBox* box : area_->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly))
        ctx_.figure.redecode(*box);
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
    StatoCondiviso::incrementa(ctx_.stato.NumeroEsatti);
    EtichettaEsatti->setText(NumberText::signedForm(ctx_.stato.NumeroEsatti));
}

void FinestraEsercizio::Esatto() {
    mostraVerdetto(true);
    ModuloColoriSuoni::SuonoEsatto(ctx_);
    contaEsatto();
    BottoneAvanti->setEnabled(true);
    abilitaRisposte(false);
}

void FinestraEsercizio::Errato() {
    mostraVerdetto(false);
    ModuloColoriSuoni::SuonoErrato(ctx_);
    StatoCondiviso::incrementa(ctx_.stato.NumeroErrati);
    EtichettaErrati->setText(NumberText::signedForm(ctx_.stato.NumeroErrati));
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    EtichettaEsatti->setText(NumberText::plainForm(0));
    EtichettaErrati->setText(NumberText::plainForm(0));
    ctx_.stato.NumeroEsatti = 0;
    ctx_.stato.NumeroErrati = 0;
}

void FinestraEsercizio::MenuInformazioni_Click() {
    Modulo1::MostraInformazioni(ctx_, this);
}

void FinestraEsercizio::mnuEsci_Click() {
    if (!Modulo1::chiedi(ctx_, this, QStringLiteral("Vuoi tornare al menù?")))
        return;
    ctx_.navigatore.mostra(FinestraId::FormMenu);
    ctx_.stato.NumeroEsatti = 0;
    ctx_.stato.NumeroErrati = 0;
}

void FinestraEsercizio::CaricaColori() {
    Colori::CaricaColori(*area_, Colori::paletteEsercizi(), ctx_.rnd);
}

void FinestraEsercizio::abilitaRisposte(bool enabled) {
    for (QWidget* control : controlliRisposta())
        control->setEnabled(enabled);
}
