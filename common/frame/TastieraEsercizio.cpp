// SPDX-License-Identifier: GPL-3.0-or-later
#include "TastieraEsercizio.h"

#include "FinestraEsercizio.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/KeyboardMenuBar.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/ReadingOrder.h"

#include <QKeyEvent>

namespace {

bool senzaModificatori(const QKeyEvent* event) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool attivo(const QWidget* control) {
    return control->isEnabled() && !control->isHidden();
}

} // namespace

TastieraEsercizio::TastieraEsercizio(FinestraEsercizio& finestra)
    : QObject(&finestra), finestra_(finestra) {
    finestra_.BottoneAvanti->installEventFilter(this);
}

// Candidates are named by their place only: a name from the picture would
// give the answer away.
void TastieraEsercizio::prepara() {
    if (pronta_)
        return;
    pronta_ = true;
    int place = 0;
    for (QWidget* control : finestra_.controlliInOrdine()) {
        ++place;
        if (auto* box = qobject_cast<ImageBox*>(control))
            box->setPressable(true);
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(QStringLiteral("Figura %1").arg(place));
    }
}

QList<QWidget*> TastieraEsercizio::cicloTab() const {
    QList<QWidget*> ciclo;
    for (QWidget* control : finestra_.controlliInOrdine())
        if (attivo(control))
            ciclo << control;
    if (finestra_.BottoneAvanti->isEnabled())
        ciclo << finestra_.BottoneAvanti;
    return ciclo;
}

bool TastieraEsercizio::focusNextPrevChild(bool next) {
    const QList<QWidget*> ciclo = cicloTab();
    if (ciclo.isEmpty())
        return false;
    const qsizetype at = ciclo.indexOf(finestra_.focusWidget());
    const qsizetype n = ciclo.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    ciclo[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TastieraEsercizio::spostaFocus(QWidget* from, int arrowKey) {
    const QList<QWidget*> ordine = finestra_.controlliInOrdine();
    // Nothing of the window's own focused yet: start where Tab starts.
    const bool nostro =
        from && (from == finestra_.BottoneAvanti || (ordine.contains(from) && attivo(from)));
    return ReadingOrder::moveFocus(ordine, nostro ? from : nullptr, arrowKey);
}

void TastieraEsercizio::rispondi(QWidget* control) {
    auto* box = qobject_cast<ImageBox*>(control);
    if (!box || !box->isEnabled())
        return;
    box->press();
    if (finestra_.BottoneAvanti->isEnabled())
        finestra_.BottoneAvanti->setFocus(Qt::TabFocusReason);
}

void TastieraEsercizio::avanti() {
    if (!finestra_.BottoneAvanti->isEnabled())
        return;
    finestra_.BottoneAvanti->click();
    for (QWidget* control : finestra_.controlliInOrdine())
        if (attivo(control)) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
}

bool TastieraEsercizio::keyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Alt) {
        // Alt alone, pressed and released with nothing in between, opens the bar.
        soloAlt_ = !event->isAutoRepeat() &&
                   (event->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == 0;
        event->accept();
        return true;
    }
    soloAlt_ = false;
    if (!senzaModificatori(event))
        return false;
    QWidget* focus = finestra_.focusWidget();
    switch (key) {
    case Qt::Key_Escape:
        finestra_.mnuEsci_Click();
        break;
    case Qt::Key_F1:
        finestra_.MenuInformazioni_Click();
        break;
    case Qt::Key_F10:
        finestra_.barraMenu()->enterKeyboardMode();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && finestra_.controlliRisposta().contains(focus))
            rispondi(focus);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        spostaFocus(focus, key);
        break;
    default:
        if (key >= Qt::Key_1 && key <= Qt::Key_9) {
            const QList<QWidget*> ordine = finestra_.controlliInOrdine();
            const qsizetype place = key - Qt::Key_1;
            if (!event->isAutoRepeat() && place < ordine.size())
                rispondi(ordine[place]);
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
    finestra_.barraMenu()->enterKeyboardMode();
    event->accept();
    return true;
}

// "avanti" answers Enter as well as Space, and its arrows lead back to the
// answer controls.
bool TastieraEsercizio::eventFilter(QObject* watched, QEvent* event) {
    if (watched != finestra_.BottoneAvanti ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!senzaModificatori(key))
        return false;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
            avanti();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->type() == QEvent::KeyPress)
            spostaFocus(finestra_.BottoneAvanti, key->key());
        return true;
    default:
        return false;
    }
}
