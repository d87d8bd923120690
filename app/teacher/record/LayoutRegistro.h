// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the class record's pages place their controls, in pixels at normal
// size, the size of the other pages. The class at a glance: the range and
// what the cells show above the grid, the notes and the files below it.
struct LayoutRegistro {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 600, 40};
    QRect etichettaClasse{630, 18, 60, 28};
    QRect classe{690, 18, 230, 28};
    QRect etichettaPeriodo{24, 60, 70, 28};
    QRect periodo{94, 60, 190, 28};
    QRect etichettaDal{296, 60, 32, 28};
    QRect dal{328, 60, 124, 28};
    QRect etichettaAl{462, 60, 24, 28};
    QRect al{486, 60, 124, 28};
    QRect etichettaMisura{630, 60, 60, 28};
    QRect misura{690, 60, 230, 28};
    QRect griglia{24, 98, 896, 404};
    QRect note{24, 508, 380, 44};
    QRect esito{24, 556, 380, 56};
    QRect chiudiRegistro{416, 508, 172, 32};
    QRect cancella{416, 544, 172, 32};
    QRect esportaRisposte{600, 508, 320, 32};
    QRect esportaGriglia{600, 544, 320, 32};
    QRect stampaGriglia{600, 580, 320, 32};
};

// A pupil's page: the totals, the exercises and their weeks on the left,
// the chart and the buttons on the right.
struct LayoutAlunnoRegistro {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    QRect riepilogo{24, 56, 896, 28};
    QRect titolettoEsercizi{24, 90, 500, 24};
    QRect esercizi{24, 116, 500, 212};
    QRect titolettoSettimane{24, 336, 500, 24};
    QRect settimane{24, 362, 500, 250};
    QRect grafico{540, 90, 380, 420};
    QRect stampa{540, 520, 180, 34};
    QRect indietro{740, 520, 180, 34};
    QRect esito{540, 560, 380, 52};
};

// Switching the record on: the class's names on the left, the password
// and, once on, the recovery code on the right.
struct LayoutAttivazioneRegistro {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    QRect spiegazione{24, 56, 892, 64};
    QRect etichettaNomi{24, 126, 420, 24};
    QRect nomi{24, 152, 420, 380};
    QRect carica{24, 544, 420, 32};
    QRect etichettaPassword{470, 152, 446, 24};
    QRect password{470, 178, 300, 30};
    QRect etichettaRipeti{470, 216, 446, 24};
    QRect ripeti{470, 242, 300, 30};
    QRect attiva{470, 290, 300, 34};
    QRect esito{470, 336, 446, 150};
    QRect codice{470, 490, 446, 44};
    QRect fatto{470, 544, 300, 32};
};

// Opening the record: the password, or the recovery code and a new one.
struct LayoutAperturaRegistro {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    QRect spiegazione{24, 56, 892, 44};
    QRect etichettaPassword{24, 110, 300, 24};
    QRect password{24, 136, 300, 30};
    QRect apri{340, 136, 200, 30};
    QRect titolettoCodice{24, 200, 892, 24};
    QRect etichettaCodice{24, 230, 300, 24};
    QRect codice{24, 256, 300, 30};
    QRect etichettaNuova{340, 230, 260, 24};
    QRect nuova{340, 256, 260, 30};
    QRect etichettaRipeti{616, 230, 300, 24};
    QRect ripeti{616, 256, 300, 30};
    QRect cambia{24, 300, 300, 32};
    QRect esito{24, 350, 892, 120};
};

// Erasing: a pupil's answers, every day up to one, or all.
struct LayoutCancellazioneRegistro {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    QRect spiegazione{24, 56, 892, 44};
    QRect etichettaAlunno{24, 116, 560, 24};
    QRect alunno{24, 142, 300, 30};
    QRect cancellaAlunno{340, 142, 240, 30};
    QRect etichettaGiorno{24, 196, 560, 24};
    QRect giorno{24, 222, 160, 30};
    QRect cancellaGiorno{340, 222, 240, 30};
    QRect etichettaTutto{24, 276, 560, 24};
    QRect cancellaTutto{340, 302, 240, 30};
    QRect esito{24, 356, 892, 120};
    QRect indietro{740, 580, 180, 32};
};

inline const LayoutRegistro layoutRegistro{};
inline const LayoutAttivazioneRegistro layoutAttivazioneRegistro{};
inline const LayoutAperturaRegistro layoutAperturaRegistro{};
inline const LayoutCancellazioneRegistro layoutCancellazioneRegistro{};
inline const LayoutAlunnoRegistro layoutAlunnoRegistro{};
