// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the class figures' page places its controls, in pixels at normal size.
struct LayoutFigureClasse {
    QSize finestra{940, 620};
    QRect titolo{20, 12, 900, 40};
    QPoint griglia{24, 70}; // the first letter's figure
    int colonne = 7;
    int latoLettera = 64;
    QSize passoLettera{78, 96}; // from one letter's figure to the next
    int altezzaNome = 22;       // the letter's name under its figure
    QRect nota{24, 470, 530, 130};
    QRect etichettaLettera{590, 70, 90, 30};
    QRect sceltaLettera{680, 70, 120, 30};
    QRect apri{590, 112, 330, 34};
    QPoint viste{590, 160}; // view 1; views 1-4 on one row, 5-8 on the next
    int latoVista = 74;
    int passoVista = 86;
    QRect verdetto{590, 336, 330, 118};
    QRect salva{590, 462, 330, 34};
    QRect togli{590, 504, 330, 34};
};

inline const LayoutFigureClasse layoutFigureClasse{};
