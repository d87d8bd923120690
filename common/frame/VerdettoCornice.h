// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FigureMemorizzate;
class PictureButton;
class QLabel;
class QWidget;
struct LayoutCornice;
struct StatoCondiviso;

// The controls of the verdict, as made on the window's area.
struct ControlliVerdetto {
    QLabel* Label1;
    QLabel* Label2;
    QLabel* EtichettaEsatti;
    QLabel* EtichettaErrati;
    PictureButton* ComandoIconaSi;
    PictureButton* ComandoIconaNo;
    PictureButton* BottoneAvanti;
};

// The frame's verdict on an answer: the two faces, the counts of right and
// wrong answers with their captions and the names a screen reader announces
// with them, and "avanti", which a right answer opens.
class VerdettoCornice {
public:
    // Makes the labels, faces and "avanti" on the area, where the layout puts them.
    VerdettoCornice(QWidget& area, const LayoutCornice& layout, FigureMemorizzate& memorizzate,
                    StatoCondiviso& stato);

    const ControlliVerdetto& controlli() const { return controlli_; }

    // Shows the face of this verdict and hides the other.
    void mostra(bool giusto);
    // One more right or wrong answer, counted and written.
    void contaEsatto();
    void contaErrato();
    // Both captions back to 0; the counts themselves are the caller's.
    void azzeraEtichette();

private:
    static void scriviContatore(QLabel* etichetta, const QString& nome, const QString& testo);

    ControlliVerdetto controlli_{};
    StatoCondiviso& stato_;
};
