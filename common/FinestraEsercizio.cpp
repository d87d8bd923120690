// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraEsercizio.h"

#include "BibliotecaFigure.h"
#include "CaselleCornice.h"
#include "Colori.h"
#include "Contesto.h"
#include "Controlli.h"
#include "Estrazioni.h"
#include "FigureMemorizzate.h"
#include "FigureNelleCaselle.h"
#include "Modulo1.h"
#include "ModuloColoriSuoni.h"
#include "Navigatore.h"
#include "StatoCondiviso.h"
#include "TastieraEsercizio.h"
#include "common/platform/ColouredArea.h"
#include "common/platform/ImageBox.h"
#include "common/platform/KeyboardMenuBar.h"
#include "common/platform/NumberText.h"
#include "common/platform/Picture.h"
#include "common/platform/PictureButton.h"
#include "common/platform/ReadingOrder.h"
#include "common/platform/Twips.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

FinestraEsercizio::FinestraEsercizio(Contesto& context, FinestraId id, const QString& titolo,
                                     const LayoutCornice& layout, QWidget* parent)
    : QMainWindow(parent), ctx_(context), id_(id), layout_(layout) {
    const MisureCornice& misure = misureCornice;
    setWindowTitle(titolo);
    setWindowIcon(ctx_.memorizzate.icona(QStringLiteral("faccia_si")));
    setFont(Controlli::carattere(misure.carattereFinestra));

    area_ = new ColouredArea(Twips::size(misure.area), this);
    setCentralWidget(area_);
    caselle_ = std::make_unique<CaselleCornice>(*area_, ctx_.memorizzate);
    connect(&area_->scaler(), &UniformScaler::scaleChanged, this,
            &FinestraEsercizio::adattaAllaScala);
    Colori::impostaSfondo(*area_, Controlli::ciano);

    barraMenu_ = new KeyboardMenuBar(this);
    barraMenu_->setAccessibleName(QStringLiteral("Barra dei menu"));
    setMenuBar(barraMenu_);
    // The trailing blanks belong to the captions: they widen the entries.
    MenuAzzera = menuBar()->addAction(QStringLiteral("Azzera conteggio        "));
    MenuInformazioni = menuBar()->addAction(QStringLiteral("Informazioni          "));
    mnuEsci = menuBar()->addAction(QStringLiteral("Esci"));
    connect(MenuAzzera, &QAction::triggered, this, &FinestraEsercizio::MenuAzzera_Click);
    connect(MenuInformazioni, &QAction::triggered, this,
            &FinestraEsercizio::MenuInformazioni_Click);
    connect(mnuEsci, &QAction::triggered, this, &FinestraEsercizio::mnuEsci_Click);
    barraMenu_->keepStoredHeight();

    const auto etichetta = [&](const char* caption, QPoint at, QSize size,
                               const Controlli::Carattere& carattere, bool numero = false) {
        // A count may have five digits: it is drawn whole in its own box.
        const auto crea = numero ? Controlli::etichettaNumero : Controlli::etichetta;
        return crea(area_, QString::fromLatin1(caption), Twips::rect({at, size}),
                    Controlli::carattere(carattere), Controlli::ciano,
                    Qt::AlignLeft | Qt::AlignTop);
    };
    Label1 = etichetta("Esatti", layout.label1, misure.label1, misure.carattereLabel);
    Label2 = etichetta("Errati", layout.label2, misure.label2, misure.carattereLabel);
    EtichettaEsatti = etichetta("quantiesatti", layout.etichettaEsatti, misure.etichettaEsatti,
                                misure.carattereContatori, true);
    EtichettaErrati = etichetta("quantierrati", layout.etichettaErrati, misure.etichettaErrati,
                                misure.carattereContatori, true);

    const auto faccia = [&](const char* picture) {
        auto* button = new PictureButton(QString(), area_);
        button->setGeometry(Twips::rect({layout.icone, misure.icone}));
        button->setPicture(ctx_.memorizzate.icona(QString::fromLatin1(picture)),
                           misure.disegnoFacce);
        button->setFocusPolicy(Qt::NoFocus);
        button->setDecorative(true);
        return button;
    };
    ComandoIconaSi = faccia("faccia_si");
    ComandoIconaNo = faccia("faccia_no");
    ComandoIconaSi->setAccessibleName(QStringLiteral("Risposta giusta"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("Risposta sbagliata"));
    ComandoIconaSi->hide();

    BottoneAvanti = new PictureButton(QStringLiteral("avanti"), area_);
    BottoneAvanti->setGeometry(Twips::rect(layout.bottoneAvanti));
    BottoneAvanti->setFont(Controlli::carattere(misure.carattereAvanti));
    BottoneAvanti->setPicture(ctx_.memorizzate.icona(QStringLiteral("avanti")),
                              misure.disegnoAvanti);
    conCursoreFreccia(BottoneAvanti);
    BottoneAvanti->setEnabled(false);
    // Reached by Tab once the exercise is solved, never by the mouse.
    BottoneAvanti->setFocusPolicy(Qt::TabFocus);
    connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });
    tastiera_ = new TastieraEsercizio(*this);

    // The window opens with no answer control framed; Tab goes to the first.
    area_->setFocus();
}

QList<QWidget*> FinestraEsercizio::controlliRisposta() const {
    const QList<ImageBox*>& candidati = caselle_->tuttiCandidati();
    return {candidati.begin(), candidati.end()};
}

QChar FinestraEsercizio::letteraEsercizio() {
    const QChar letter = Estrazioni::lettera(ctx_.rnd, ctx_.figure);
    if (letter.isNull())
        ctx_.navigatore.figurePerse();
    return letter;
}

void FinestraEsercizio::conCursoreFreccia(QWidget* control) {
    control->setCursor(ctx_.memorizzate.cursoreFreccia(area_->scaler().scale()));
    conCursore_ << control;
}

void FinestraEsercizio::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    adattaAllaScala();
}

bool FinestraEsercizio::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    if (event->type() == QEvent::ScreenChangeInternal && isVisible())
        adattaAllaScala();
    return done;
}

void FinestraEsercizio::adattaAllaScala() {
    const qreal s = area_->scaler().scale();
    const QCursor cursor = ctx_.memorizzate.cursoreFreccia(s);
    for (QWidget* control : std::as_const(conCursore_))
        control->setCursor(cursor);
    // Pictures are decoded for the pixels the figure boxes have on this
    // screen now.
    const qreal side = Twips::toPixels(misureCornice.latoFigura) * s * devicePixelRatioF();
    ctx_.figure.impostaLatoPixel(int(std::ceil(side - 0.01)));
    FigureNelleCaselle::ridecodifica(ctx_.figure,
                                     area_->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly));
}

void FinestraEsercizio::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    barraMenu_->followWindow(area_->scaler().storedSize(), size());
}

void FinestraEsercizio::Form_Activate() {
    tastiera_->prepara();
    azzeraEtichette();
    NuovoEsercizio();
}

void FinestraEsercizio::azzeraEtichette() {
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"), NumberText::plainForm(0));
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"), NumberText::plainForm(0));
}

void FinestraEsercizio::scriviContatore(QLabel* etichetta, const QString& nome,
                                        const QString& testo) {
    etichetta->setText(testo);
    // Setting the name tells a screen reader that it changed.
    etichetta->setAccessibleName(nome + QStringLiteral(": ") + testo.trimmed());
}

QList<QWidget*> FinestraEsercizio::controlliInOrdine() const {
    return ReadingOrder::sorted(controlliRisposta());
}

void FinestraEsercizio::mostraVerdetto(bool giusto) {
    ComandoIconaSi->setVisible(giusto);
    ComandoIconaNo->setVisible(!giusto);
}

void FinestraEsercizio::contaEsatto() {
    StatoCondiviso::incrementa(ctx_.stato.NumeroEsatti);
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"),
                    NumberText::signedForm(ctx_.stato.NumeroEsatti));
}

void FinestraEsercizio::NuovoEsercizio() {
    CaricaColori();
    const QChar letter = letteraEsercizio();
    if (letter.isNull())
        return;
    if (const QList<ImageBox*>& candidati = caselle_->tuttiCandidati(); !candidati.isEmpty())
        Estrazioni::distribuisci(candidati, letter, ctx_.rnd, ctx_.figure);
    preparaEsercizio(letter);
}

void FinestraEsercizio::giudicaCandidato(const ImageBox& scelto, int giusto, ImageBox& risposta) {
    if (Estrazioni::numeroTag(scelto) == giusto) {
        risposta.takePictureOf(scelto);
        Esatto();
    } else {
        Errato();
    }
}

void FinestraEsercizio::Esatto() {
    mostraVerdetto(true);
    ModuloColoriSuoni::SuonoEsatto(ctx_);
    if (chiudePrimaDiContare_)
        abilitaRisposte(false);
    contaEsatto();
    BottoneAvanti->setEnabled(true);
    if (!chiudePrimaDiContare_)
        abilitaRisposte(false);
}

void FinestraEsercizio::Errato() {
    mostraVerdetto(false);
    ModuloColoriSuoni::SuonoErrato(ctx_);
    StatoCondiviso::incrementa(ctx_.stato.NumeroErrati);
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"),
                    NumberText::signedForm(ctx_.stato.NumeroErrati));
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    azzeraEtichette();
    ctx_.stato.azzera();
}

void FinestraEsercizio::MenuInformazioni_Click() {
    Modulo1::MostraInformazioni(ctx_, this);
}

void FinestraEsercizio::mnuEsci_Click() {
    if (!Modulo1::chiedi(ctx_, this, QStringLiteral("Vuoi tornare al menù?")))
        return;
    ctx_.navigatore.mostra(FinestraId::FormMenu);
    ctx_.stato.azzera();
}

void FinestraEsercizio::CaricaColori() {
    Colori::CaricaColori(*area_, Colori::paletteEsercizi(), ctx_.rnd);
}

void FinestraEsercizio::abilitaRisposte(bool enabled) {
    const QList<QWidget*> controls = controlliRisposta();
    // A focused control that is disabled would pass the focus along the
    // others as they are disabled in turn: park it on the window first.
    if (!enabled && controls.contains(focusWidget()))
        area_->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

bool FinestraEsercizio::focusNextPrevChild(bool next) {
    return tastiera_->focusNextPrevChild(next);
}

void FinestraEsercizio::keyPressEvent(QKeyEvent* event) {
    if (!tastiera_->keyPress(event))
        QMainWindow::keyPressEvent(event);
}

void FinestraEsercizio::keyReleaseEvent(QKeyEvent* event) {
    if (!tastiera_->keyRelease(event))
        QMainWindow::keyReleaseEvent(event);
}
