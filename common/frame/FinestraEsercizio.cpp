// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraEsercizio.h"

#include "CaselleCornice.h"
#include "Estrazioni.h"
#include "MenuCornice.h"
#include "ScalaCornice.h"
#include "TastieraEsercizio.h"
#include "VerdettoCornice.h"
#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/Modulo1.h"
#include "common/ModuloColoriSuoni.h"
#include "common/Navigatore.h"
#include "common/StatoCondiviso.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/KeyboardMenuBar.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/ReadingOrder.h"

#include <QKeyEvent>

FinestraEsercizio::FinestraEsercizio(Contesto& context, FinestraId id, const QString& titolo,
                                     const LayoutCornice& layout, QWidget* parent)
    : QMainWindow(parent), ctx_(context), id_(id), layout_(layout), attesa_(*this),
      annotazioni_(context.registrazione, id) {
    const MisureCornice& misure = misureCornice;
    setWindowTitle(titolo);
    setWindowIcon(ctx_.memorizzate.icona(QStringLiteral("faccia_si")));
    setFont(Controlli::carattere(misure.carattereFinestra));

    area_ = new ColouredArea(Twips::size(misure.area), this);
    setCentralWidget(area_);
    caselle_ = std::make_unique<CaselleCornice>(
        *area_, ctx_.memorizzate, [this](ImageBox& box) { annotazioni_.premuta(box); });
    scala_ = std::make_unique<ScalaCornice>(*area_, ctx_.memorizzate, ctx_.figure);
    Colori::impostaSfondo(*area_, Controlli::ciano);

    const MenuCornice menu = MenuCornice::crea(*this);
    barraMenu_ = menu.barra;
    MenuAzzera = menu.azzera;
    MenuInformazioni = menu.informazioni;
    mnuEsci = menu.esci;
    connect(MenuAzzera, &QAction::triggered, this, &FinestraEsercizio::MenuAzzera_Click);
    connect(MenuInformazioni, &QAction::triggered, this,
            &FinestraEsercizio::MenuInformazioni_Click);
    connect(mnuEsci, &QAction::triggered, this, &FinestraEsercizio::mnuEsci_Click);

    verdetto_ = std::make_unique<VerdettoCornice>(*area_, layout_, ctx_.memorizzate, ctx_.stato);
    static_cast<ControlliVerdetto&>(*this) = verdetto_->controlli();
    conCursoreFreccia(BottoneAvanti);
    connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });
    tastiera_ = new TastieraEsercizio(*this, *BottoneAvanti, *barraMenu_);
    connect(tastiera_, &TastieraEsercizio::esci, this, &FinestraEsercizio::mnuEsci_Click);
    connect(tastiera_, &TastieraEsercizio::informazioni, this,
            &FinestraEsercizio::MenuInformazioni_Click);

    // The window opens with no answer control framed; Tab goes to the first.
    area_->setFocus();
}

QList<QWidget*> FinestraEsercizio::controlliRisposta() const {
    const QList<ImageBox*>& candidati = caselle_->tuttiCandidati();
    return {candidati.begin(), candidati.end()};
}

FinestraEsercizio::~FinestraEsercizio() {
    // The keyboard watches "avanti", which QWidget's own destructor may still
    // send events to (closing hands the focus on): it must not see a window
    // that is no longer a FinestraEsercizio.
    delete tastiera_;
    tastiera_ = nullptr;
}

void FinestraEsercizio::conCursoreFreccia(QWidget* control) {
    scala_->conCursoreFreccia(control);
}

void FinestraEsercizio::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    barraMenu_->followWindow(area_->scaler().storedSize(), size());
}

void FinestraEsercizio::Form_Activate() {
    tastiera_->prepara(controlliRisposta());
    verdetto_->azzeraEtichette();
    NuovoEsercizio();
}

QList<QWidget*> FinestraEsercizio::controlliInOrdine() const {
    return ReadingOrder::sorted(controlliRisposta());
}

void FinestraEsercizio::NuovoEsercizio() {
    annotazioni_.nuovoEsercizio();
    CaricaColori();
    const quint64 turno = attesa_.inizia();
    ctx_.figure.estraiLettera(ctx_.rnd, this,
                              [this, turno](QChar lettera) { completaEsercizio(turno, lettera); });
    // The letter's pictures are large and read beside the window, which goes
    // on painting and answering meanwhile; nothing can be answered until the
    // exercise is there.
    if (attesa_.aspetta())
        abilitaRisposte(false);
}

void FinestraEsercizio::completaEsercizio(quint64 turno, QChar lettera) {
    bool atteso = false;
    if (!attesa_.completa(turno, atteso))
        return;
    if (lettera.isNull()) {
        // No figure can be read any more: the pupil is told and the menu is back.
        ctx_.navigatore.figurePerse();
        return;
    }
    if (const QList<ImageBox*>& candidati = caselle_->tuttiCandidati(); !candidati.isEmpty())
        Estrazioni::distribuisci(candidati, lettera, ctx_.rnd, ctx_.figure);
    preparaEsercizio(lettera);
    if (atteso)
        abilitaRisposte(true);
    if (annotazioni_.attive())
        annotazioni_.esercizioPronto(lettera, ctx_.figure.figuraClasse(lettera),
                                     descriviEsercizio());
}

QString FinestraEsercizio::descriviEsercizio() const {
    return AnnotazioniRisposte::candidati(controlliInOrdine());
}

void FinestraEsercizio::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) // unloaded
        attesa_.abbandona();
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
    mostraEsatto();
    contaEsatto();
    BottoneAvanti->setEnabled(true);
    abilitaRisposte(false);
    daiAvanti();
}

void FinestraEsercizio::daiAvanti() {
    // Whatever answered, mouse or keys, Enter and Space then lead on.
    BottoneAvanti->setFocus(Qt::OtherFocusReason);
}

void FinestraEsercizio::mostraEsatto() {
    verdetto_->mostra(true);
    ModuloColoriSuoni::SuonoEsatto(ctx_);
}

void FinestraEsercizio::contaEsatto() {
    verdetto_->contaEsatto();
    annotazioni_.risposta(true, controlliInOrdine());
}

void FinestraEsercizio::Errato() {
    verdetto_->mostra(false);
    ModuloColoriSuoni::SuonoErrato(ctx_);
    verdetto_->contaErrato();
    annotazioni_.risposta(false, controlliInOrdine());
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    if (!attesa_.inAttesa()) // else once its pictures are read
        abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    verdetto_->azzeraEtichette();
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

void FinestraEsercizio::abilitaRisposte(bool abilitate) {
    const QList<QWidget*> controls = controlliRisposta();
    // A focused control that is disabled would pass the focus along the
    // others as they are disabled in turn: park it on the window first.
    if (!abilitate && controls.contains(focusWidget()))
        area_->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : controls)
        control->setEnabled(abilitate);
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
