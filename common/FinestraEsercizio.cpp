#include "FinestraEsercizio.h"

#include "Colori.h"
#include "Contesto.h"
#include "Controlli.h"
#include "FigureMemorizzate.h"
#include "Modulo1.h"
#include "ModuloColoriSuoni.h"
#include "Navigatore.h"
#include "StatoCondiviso.h"
#include "common/platform/AreaColorata.h"
#include "common/platform/ImageBox.h"
#include "common/platform/KeyboardMenuBar.h"
#include "common/platform/LineShape.h"
#include "common/platform/MessageBoxService.h"
#include "common/platform/NumberText.h"
#include "common/platform/Picture.h"
#include "common/platform/PictureButton.h"
#include "common/platform/ReadingOrder.h"
#include "common/platform/Twips.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

namespace {
constexpr int latoFigura = 1800;
}

FinestraEsercizio::FinestraEsercizio(Contesto& context, FinestraId id, const QString& titolo,
                                     const LayoutCornice& layout, QWidget* parent)
    : QMainWindow(parent), ctx(context), id_(id) {
    setWindowTitle(titolo);
    setWindowIcon(ctx.memorizzate.icona(QStringLiteral("faccia_si")));
    setFont(Controlli::msSansSerif(8.25));

    area_ = new AreaColorata(this);
    area_->setFixedSize(Twips::toPixels(larghezzaArea), Twips::toPixels(altezzaArea));
    setCentralWidget(area_);
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
    ComandoIconaSi->setAccessibleName(QStringLiteral("Risposta giusta"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("Risposta sbagliata"));
    ComandoIconaSi->hide();

    const QRect avanti = layout.bottoneAvanti;
    BottoneAvanti = new PictureButton(QStringLiteral("avanti"), area_);
    BottoneAvanti->setGeometry(
        Twips::rect(avanti.x(), avanti.y(), avanti.width(), avanti.height()));
    BottoneAvanti->setFont(Controlli::arial(14.25));
    BottoneAvanti->setPicture(ctx.memorizzate.icona(QStringLiteral("avanti")), QSize(40, 40));
    BottoneAvanti->setCursor(ctx.memorizzate.cursoreFreccia());
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
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips.x(), twips.y(), latoFigura, latoFigura));
    box->setBordered(bordered);
    box->setAccessibleName(nome);
    return box;
}

QString FinestraEsercizio::nomeSequenza(int place) {
    return QStringLiteral("Sequenza, casella %1").arg(place);
}

ImageBox* FinestraEsercizio::casellaSegno(QRect twips, const QString& picture, std::int16_t index) {
    auto* box = new ImageBox(area_, index);
    box->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    box->setPicture(ctx.memorizzate.disegno(picture));
    if (picture == QLatin1String("senso_orario"))
        box->setAccessibleName(QStringLiteral("Senso orario"));
    else if (picture == QLatin1String("senso_antiorario"))
        box->setAccessibleName(QStringLiteral("Senso antiorario"));
    return box;
}

LineShape* FinestraEsercizio::linea(QPoint fromTwips, QPoint toTwips, int widthPixels,
                                    QRgb colour) {
    auto* line =
        new LineShape(Twips::point(fromTwips.x(), fromTwips.y()),
                      Twips::point(toTwips.x(), toTwips.y()), widthPixels, QColor(colour), area_);
    line->setAccessibleName(QStringLiteral("Linea di separazione"));
    return line;
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
    StatoCondiviso::incrementa(ctx.stato.NumeroEsatti);
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"),
                    NumberText::signedForm(ctx.stato.NumeroEsatti));
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
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"),
                    NumberText::signedForm(ctx.stato.NumeroErrati));
}

void FinestraEsercizio::BottoneAvanti_Click() {
    BottoneAvanti->setEnabled(false);
    NuovoEsercizio();
    abilitaRisposte(true);
}

void FinestraEsercizio::MenuAzzera_Click() {
    scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"), NumberText::plainForm(0));
    scriviContatore(EtichettaErrati, QStringLiteral("Errati"), NumberText::plainForm(0));
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
