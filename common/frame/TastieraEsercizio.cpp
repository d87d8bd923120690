// SPDX-License-Identifier: GPL-3.0-or-later
#include "TastieraEsercizio.h"

#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/KeyboardMenuBar.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/ReadingOrder.h"

#include <QKeyEvent>

namespace {

bool senzaModificatori(const QKeyEvent* event) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool attivo(const QWidget* controllo) {
    return controllo->isEnabled() && !controllo->isHidden();
}

} // namespace

TastieraEsercizio::TastieraEsercizio(QWidget& finestra, PictureButton& avanti,
                                     KeyboardMenuBar& barra)
    : QObject(&finestra), finestra_(finestra), avanti_(avanti), barra_(barra) {
    avanti_.installEventFilter(this);
}

QList<QWidget*> TastieraEsercizio::inOrdine() const {
    return ReadingOrder::sorted(controlli_);
}

// Candidates are named by their place only: a name from the picture would
// give the answer away.
void TastieraEsercizio::prepara(const QList<QWidget*>& controlliRisposta) {
    if (pronta_)
        return;
    pronta_ = true;
    controlli_ = controlliRisposta;
    int posto = 0;
    for (QWidget* controllo : inOrdine()) {
        ++posto;
        if (auto* casella = qobject_cast<ImageBox*>(controllo))
            casella->setPressable(true);
        if (controllo->accessibleName().isEmpty())
            controllo->setAccessibleName(QStringLiteral("Figura %1").arg(posto));
    }
}

QList<QWidget*> TastieraEsercizio::cicloTab() const {
    QList<QWidget*> ciclo;
    for (QWidget* controllo : inOrdine())
        if (attivo(controllo))
            ciclo << controllo;
    if (avanti_.isEnabled())
        ciclo << &avanti_;
    return ciclo;
}

bool TastieraEsercizio::focusNextPrevChild(bool inAvanti) {
    const QList<QWidget*> ciclo = cicloTab();
    if (ciclo.isEmpty())
        return false;
    const qsizetype qui = ciclo.indexOf(finestra_.focusWidget());
    const qsizetype n = ciclo.size();
    const qsizetype dove = qui < 0 ? (inAvanti ? 0 : n - 1) : (qui + (inAvanti ? 1 : n - 1)) % n;
    ciclo[dove]->setFocus(inAvanti ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TastieraEsercizio::spostaFocus(QWidget* da, int freccia) {
    const QList<QWidget*> ordine = inOrdine();
    // Nothing of the window's own focused yet: start where Tab starts.
    const bool nostro = da && (da == &avanti_ || (ordine.contains(da) && attivo(da)));
    return ReadingOrder::moveFocus(ordine, nostro ? da : nullptr, freccia);
}

void TastieraEsercizio::rispondi(QWidget* controllo) {
    auto* casella = qobject_cast<ImageBox*>(controllo);
    if (!casella || !casella->isEnabled())
        return;
    casella->press();
    if (avanti_.isEnabled())
        avanti_.setFocus(Qt::TabFocusReason);
}

void TastieraEsercizio::premiAvanti() {
    if (!avanti_.isEnabled())
        return;
    avanti_.click();
    for (QWidget* controllo : inOrdine())
        if (attivo(controllo)) {
            controllo->setFocus(Qt::TabFocusReason);
            break;
        }
}

bool TastieraEsercizio::keyPress(QKeyEvent* event) {
    const int tasto = event->key();
    if (tasto == Qt::Key_Alt) {
        // Alt alone, pressed and released with nothing in between, opens the bar.
        soloAlt_ = !event->isAutoRepeat() &&
                   (event->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == 0;
        event->accept();
        return true;
    }
    soloAlt_ = false;
    if (!senzaModificatori(event))
        return false;
    QWidget* fuoco = finestra_.focusWidget();
    switch (tasto) {
    case Qt::Key_Escape:
        emit esci();
        break;
    case Qt::Key_F1:
        emit informazioni();
        break;
    case Qt::Key_F10:
        barra_.enterKeyboardMode();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && controlli_.contains(fuoco))
            rispondi(fuoco);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        spostaFocus(fuoco, tasto);
        break;
    default:
        if (tasto >= Qt::Key_1 && tasto <= Qt::Key_9) {
            const QList<QWidget*> ordine = inOrdine();
            const qsizetype posto = tasto - Qt::Key_1;
            if (!event->isAutoRepeat() && posto < ordine.size())
                rispondi(ordine[posto]);
            break;
        }
        return false;
    }
    event->accept();
    return true;
}

bool TastieraEsercizio::keyRelease(QKeyEvent* event) {
    if (event->key() != Qt::Key_Alt || !soloAlt_)
        return false;
    soloAlt_ = false;
    barra_.enterKeyboardMode();
    event->accept();
    return true;
}

// "avanti" answers Enter as well as Space, and its arrows lead back to the
// answer controls.
bool TastieraEsercizio::eventFilter(QObject* osservato, QEvent* event) {
    if (osservato != &avanti_ ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QObject::eventFilter(osservato, event);
    auto* tasto = static_cast<QKeyEvent*>(event);
    if (!senzaModificatori(tasto))
        return false;
    switch (tasto->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->type() == QEvent::KeyPress && !tasto->isAutoRepeat())
            premiAvanti();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->type() == QEvent::KeyPress)
            spostaFocus(&avanti_, tasto->key());
        return true;
    default:
        return false;
    }
}
