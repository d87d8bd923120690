// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

// Where everything stands on a printed page, in tenths of a millimetre from
// the top left corner of the printable area, inside the margins.
struct LayoutScheda {
    int margine = 150;      // each side of the A4 page: school printers keep 15 mm
    QSize area{1800, 2670}; // A4 within the margins
    // The title line, the name line below it and a rule under both.
    int altoTitolo = 75;
    int altoNome = 75;
    int righello = 175;
    int altoIntestazione = 215;
    // A view, a candidate, a box to fill, and the step from one to the next.
    int lato = 210;
    int passo = 225;
    // Two candidates (the signs) stand further apart.
    int passoSegni = 450;
    int altoTesto = 85; // the exercise's number and instruction
    int sottoRiga = 45; // from the row to the candidates
    int altoLettera = 75;
    int altoDidascalia = 55;
    int traEsercizi = 75;
    int latoSegno = 170;
    int distaccoSegno = 90; // from the row to its sign
    int spessoreAsse = 12;
    int spessoreBordo = 5;
    int spessoreRighello = 4;
    // Type sizes, in points.
    double puntiTitolo = 13;
    double puntiIstruzione = 12;
    double puntiLettera = 16;
    double puntiDidascalia = 10;
    double puntiChiave = 14;
    // The answer key: lines in columns.
    int altoRigaChiave = 95;
    int colonneChiave = 3;
    int sopraChiave = 110; // its heading, under the page's own
};

inline constexpr LayoutScheda layoutScheda{};
