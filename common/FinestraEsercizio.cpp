// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraEsercizio.h"

#include "Colori.h"
#include "Contesto.h"
#include "Controlli.h"
#include "Estrazioni.h"
#include "FigureLibrary.h"
#include "FigureMemorizzate.h"
#include "Modulo1.h"
#include "ModuloColoriSuoni.h"
#include "Navigatore.h"
#include "StatoCondiviso.h"
#include "common/platform/AreaColorata.h"
#include "common/platform/ImageBox.h"
#include "common/platform/KeyboardMenuBar.h"
#include "common/platform/LineShape.h"
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

    area_ = new AreaColorata(Twips::size(misure.area), this);
    setCentralWidget(area_);
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
    altezzaMenu_ = menuBar()->sizeHint().height();

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
    BottoneAvanti->installEventFilter(this);
    connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });

    // The window opens with no answer control framed; Tab goes to the first.
    area_->setFocus();
}

ImageBox* FinestraEsercizio::casellaFigura(QPoint twips, std::int16_t index, bool bordered,
                                           const QString& nome) {
    const int lato = misureCornice.latoFigura;
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect({twips, QSize(lato, lato)}));
    box->setBordered(bordered);
    box->setAccessibleName(nome);
    return box;
}

QList<ImageBox*> FinestraEsercizio::rigaSequenza(int topTwips) {
    QList<ImageBox*> row;
    for (int i = 0; i < 4; ++i) {
        const QPoint at(misureCornice.sinistraRiga + misureCornice.passoRiga * i, topTwips);
        row << casellaFigura(at, std::int16_t(i), true,
                             QStringLiteral("Sequenza, casella %1").arg(i + 1));
    }
    return row;
}

QList<ImageBox*> FinestraEsercizio::candidati(const QList<QPoint>& twips,
                                              std::function<void(std::int16_t)> onClick) {
    QList<ImageBox*> made;
    for (qsizetype i = 0; i < twips.size(); ++i) {
        ImageBox* box = casellaFigura(twips[i], std::int16_t(i), false);
        connect(box, &ImageBox::clicked, this, onClick);
        made << box;
    }
    candidati_ << made;
    return made;
}

ImageBox* FinestraEsercizio::casellaSegno(QRect twips, const QString& picture, std::int16_t index) {
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips));
    box->setPicture(ctx_.memorizzate.disegno(picture));
    if (picture == QLatin1String("senso_orario"))
        box->setAccessibleName(QStringLiteral("Senso orario"));
    else if (picture == QLatin1String("senso_antiorario"))
        box->setAccessibleName(QStringLiteral("Senso antiorario"));
    return box;
}

LineShape* FinestraEsercizio::linea(const Linea& linea) {
    auto* line = new LineShape(Twips::point(linea.da), Twips::point(linea.a), linea.spessore,
                               QColor(linea.colore), area_);
    line->setAccessibleName(QStringLiteral("Linea di separazione"));
    return line;
}

QList<QWidget*> FinestraEsercizio::controlliRisposta() const {
    return {candidati_.begin(), candidati_.end()};
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
    ctx_.figure.ridecodifica(area_->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly));
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
    preparaTastiera();
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"), NumberText::plainForm(0));
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"), NumberText::plainForm(0));
    NuovoEsercizio();
}

void FinestraEsercizio::scriviContatore(QLabel* etichetta, const QString& nome,
                                        const QString& testo) {
    etichetta->setText(testo);
    // Setting the name tells a screen reader that it changed.
    etichetta->setAccessibleName(nome + QStringLiteral(": ") + testo.trimmed());
}

// Candidates are named by their place only: a name from the picture would
// give the answer away.
void FinestraEsercizio::preparaTastiera() {
    if (tastieraPronta_)
        return;
    tastieraPronta_ = true;
    int place = 0;
    for (QWidget* control : controlliInOrdine()) {
        ++place;
        if (auto* box = qobject_cast<ImageBox*>(control))
            box->setPressable(true);
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(QStringLiteral("Figura %1").arg(place));
    }
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
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"),
                    NumberText::signedForm(ctx_.stato.NumeroErrati));
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"), NumberText::plainForm(0));
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"), NumberText::plainForm(0));
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
    const QList<QWidget*> controls = controlliRisposta();
    // A focused control that is disabled would pass the focus along the
    // others as they are disabled in turn: park it on the window first.
    if (!enabled && controls.contains(focusWidget()))
        area_->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

// --- Keyboard ----------------------------------------------------------------

QList<QWidget*> FinestraEsercizio::cicloTab() const {
    QList<QWidget*> ciclo;
    for (QWidget* control : controlliInOrdine())
        if (control->isEnabled() && !control->isHidden())
            ciclo << control;
    if (BottoneAvanti->isEnabled())
        ciclo << BottoneAvanti;
    return ciclo;
}

bool FinestraEsercizio::focusNextPrevChild(bool next) {
    const QList<QWidget*> ciclo = cicloTab();
    if (ciclo.isEmpty())
        return false;
    const qsizetype at = ciclo.indexOf(focusWidget());
    const qsizetype n = ciclo.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    ciclo[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool FinestraEsercizio::spostaFocus(QWidget* from, int arrowKey) {
    QList<QWidget*> abilitati;
    for (QWidget* control : controlliInOrdine())
        if (control->isEnabled() && !control->isHidden())
            abilitati << control;
    if (abilitati.isEmpty())
        return false;
    QWidget* to = nullptr;
    if (from == BottoneAvanti || abilitati.contains(from))
        to = ReadingOrder::nearest(abilitati, from, arrowKey);
    else
        to = abilitati.first(); // nothing focused yet: start where Tab starts
    if (to)
        to->setFocus(Qt::TabFocusReason);
    return to != nullptr;
}

void FinestraEsercizio::rispondiDaTastiera(QWidget* control) {
    auto* box = qobject_cast<ImageBox*>(control);
    if (!box || !box->isEnabled())
        return;
    box->press();
    if (BottoneAvanti->isEnabled())
        BottoneAvanti->setFocus(Qt::TabFocusReason);
}

void FinestraEsercizio::avantiDaTastiera() {
    if (!BottoneAvanti->isEnabled())
        return;
    BottoneAvanti->click();
    for (QWidget* control : controlliInOrdine())
        if (control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
}

void FinestraEsercizio::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Alt) {
        // Alt alone, pressed and released with nothing in between, opens the bar.
        soloAlt_ = !event->isAutoRepeat() &&
                   (event->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == 0;
        event->accept();
        return;
    }
    soloAlt_ = false;
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    QWidget* focus = focusWidget();
    switch (key) {
    case Qt::Key_Escape:
        mnuEsci_Click();
        break;
    case Qt::Key_F1:
        MenuInformazioni_Click();
        break;
    case Qt::Key_F10:
        barraMenu_->enterKeyboardMode();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && controlliRisposta().contains(focus))
            rispondiDaTastiera(focus);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        spostaFocus(focus, key);
        break;
    default:
        if (key >= Qt::Key_1 && key <= Qt::Key_9) {
            const QList<QWidget*> ordine = controlliInOrdine();
            const qsizetype place = key - Qt::Key_1;
            if (!event->isAutoRepeat() && place < ordine.size())
                rispondiDaTastiera(ordine[place]);
            break;
        }
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FinestraEsercizio::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Alt && soloAlt_) {
        soloAlt_ = false;
        barraMenu_->enterKeyboardMode();
        event->accept();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

// "avanti" answers Enter as well as Space, and its arrows lead back to the
// answer controls.
bool FinestraEsercizio::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BottoneAvanti &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                avantiDaTastiera();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (event->type() == QEvent::KeyPress)
                spostaFocus(BottoneAvanti, key->key());
            return true;
        default:
            return false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
