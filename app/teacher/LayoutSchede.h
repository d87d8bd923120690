// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the worksheets' page places its controls, in pixels at normal size:
// the exercises and their counts on the left, the sheet's line, versions
// and figures in the middle, the first page's preview on the right.
struct LayoutSchede {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    QRect titolettoEsercizi{24, 60, 330, 26};
    QPoint primoEsercizio{24, 88};
    QSize nomeEsercizio{250, 28};
    QSize quanti{70, 26};
    int passoEsercizio = 30;
    QRect etichettaTitolo{380, 60, 280, 24};
    QRect titoloScheda{380, 84, 280, 28};
    QRect etichettaVersioni{380, 124, 190, 28};
    QRect versioni{580, 124, 80, 28};
    QRect figureClasse{380, 160, 280, 28};
    QRect anteprimaBottone{380, 200, 280, 34};
    QRect stampa{380, 470, 280, 34};
    QRect salvaPdf{380, 512, 280, 34};
    QRect esito{380, 552, 280, 60};
    QRect anteprima{680, 60, 240, 340};
};

inline const LayoutSchede layoutSchede{};
