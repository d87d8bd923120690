// SPDX-License-Identifier: GPL-3.0-or-later
#include "TastiProgramma.h"

#include <QKeyEvent>

namespace {

bool eIlTasto(const QKeyEvent& tasto, const QKeySequence& sequenza) {
    return QKeySequence(tasto.keyCombination()) == sequenza;
}

} // namespace

bool TastiProgramma::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Close:
        // The title bar's button, Alt+F4, the window manager's menu.
        if (bloccato_ && finestra_ && watched == finestra_) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        const auto& tasto = *static_cast<QKeyEvent*>(event);
        const bool silenzio = eIlTasto(tasto, tastoSilenzio());
        const bool uscita = eIlTasto(tasto, tastoUscita());
        if (!silenzio && !uscita)
            break;
        event->accept();
        // Taken once, when pressed, however long it is held.
        if (event->type() == QEvent::KeyPress && !tasto.isAutoRepeat())
            emit silenzio ? this->silenzio() : this->uscita();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
