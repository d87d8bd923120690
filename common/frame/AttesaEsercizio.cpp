// SPDX-License-Identifier: GPL-3.0-or-later
#include "AttesaEsercizio.h"

#include <QWidget>

quint64 AttesaEsercizio::inizia() {
    stato_ = Stato::inCorso;
    return ++turno_;
}

bool AttesaEsercizio::aspetta() {
    if (stato_ != Stato::inCorso)
        return false;
    stato_ = Stato::inAttesa;
    finestra_.setCursor(Qt::BusyCursor);
    return true;
}

bool AttesaEsercizio::completa(quint64 turno, bool& atteso) {
    if (turno != turno_)
        return false;
    atteso = stato_ == Stato::inAttesa;
    stato_ = Stato::fatta;
    if (atteso)
        finestra_.unsetCursor();
    return true;
}

void AttesaEsercizio::abbandona() {
    if (stato_ != Stato::inAttesa)
        return;
    ++turno_;
    stato_ = Stato::fatta;
    finestra_.unsetCursor();
}
