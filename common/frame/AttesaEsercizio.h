// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

// Whether a window's exercise is set up, or waits for its letter's pictures
// read on another thread, the window looking busy meanwhile. Each set-up has
// a turn: one given up, or followed by another, is not completed.
class AttesaEsercizio {
public:
    explicit AttesaEsercizio(QWidget& finestra) : finestra_(finestra) {}

    // A set-up starts: its turn.
    quint64 inizia();
    // Once the set-up has started: true when it waits, not completed yet.
    bool aspetta();
    // The set-up of that turn completes now; false when it was given up.
    // `atteso` tells whether it had waited.
    bool completa(quint64 turno, bool& atteso);
    // The window is unloaded: a set-up still waiting is given up.
    void abbandona();
    bool inAttesa() const { return stato_ == Stato::inAttesa; }

private:
    QWidget& finestra_;
    quint64 turno_ = 0;
    enum class Stato { fatta, inCorso, inAttesa } stato_ = Stato::fatta;
};
