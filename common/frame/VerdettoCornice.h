// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FigureMemorizzate;
class FinestraEsercizio;
class QLabel;
struct StatoCondiviso;

// The frame's verdict on an answer: the two faces, the counts of right and
// wrong answers with their captions and the names a screen reader announces
// with them, and "avanti", which a right answer opens.
class VerdettoCornice {
public:
    // Makes the window's labels, faces and "avanti" on its area.
    VerdettoCornice(FinestraEsercizio& finestra, FigureMemorizzate& memorizzate,
                    StatoCondiviso& stato);

    // Shows the face of this verdict and hides the other.
    void mostra(bool giusto);
    // One more right or wrong answer, counted and written.
    void contaEsatto();
    void contaErrato();
    // Both captions back to 0; the counts themselves are the caller's.
    void azzeraEtichette();

private:
    static void scriviContatore(QLabel* etichetta, const QString& nome, const QString& testo);

    FinestraEsercizio& finestra_;
    StatoCondiviso& stato_;
};
