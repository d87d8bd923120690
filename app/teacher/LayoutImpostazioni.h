// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// A folder to type or choose: its label above, the field, "Scegli...".
struct RigaCartella {
    QRect etichetta;
    QRect campo;
    QRect scegli;
};

// Where the settings page places its controls, in pixels at normal size:
// the same size as the class figures' page, the pupil's choices on the
// left, the exercises of the menu on the right.
struct LayoutImpostazioni {
    QSize pagina{940, 620};
    QRect titolo{20, 12, 900, 40};
    int altezzaRiga = 28;
    int altezzaTitoletto = 26;
    // Left column: sounds, the class, the record, the class's figures.
    QRect titolettoSuoni{24, 60, 430, 26};
    QRect suoniAttivi{24, 88, 430, 28};
    QRect etichettaVolume{24, 120, 270, 28};
    QRect volume{300, 120, 90, 28};
    QRect titolettoClasse{24, 160, 430, 26};
    QRect schermoIntero{24, 188, 430, 28};
    QRect blocco{24, 220, 430, 28};
    QRect notaBlocco{44, 248, 410, 40};
    QRect titolettoRegistro{24, 294, 430, 26};
    QRect registroAttivo{24, 322, 430, 28};
    RigaCartella cartellaRegistro{{24, 354, 430, 24}, {24, 378, 330, 28}, {360, 378, 94, 28}};
    QRect titolettoFigure{24, 418, 430, 26};
    RigaCartella cartellaFigure{{24, 446, 430, 24}, {24, 470, 330, 28}, {360, 470, 94, 28}};
    // Right column: one box per exercise, FormEs1 first.
    QRect titolettoEsercizi{486, 60, 430, 26};
    QPoint primoEsercizio{486, 88};
    QSize esercizio{430, 26};
    // Below both.
    QRect avvisi{24, 508, 550, 66};
    QRect esito{24, 578, 550, 34};
    QRect salva{590, 566, 330, 34};
};

inline const LayoutImpostazioni layoutImpostazioni{};
