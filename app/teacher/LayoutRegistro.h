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
    QRect note{24, 508, 560, 44};
    QRect esito{24, 556, 560, 56};
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

inline const LayoutRegistro layoutRegistro{};
inline const LayoutAlunnoRegistro layoutAlunnoRegistro{};
