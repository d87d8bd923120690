// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Controlli.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the frame's controls stand in an exercise window, in twips.
// The defaults are the common positions; a window's table overrides some.
struct LayoutCornice {
    QRect bottoneAvanti{7800, 5040, 1425, 1095};
    QPoint icone{8160, 720};
    QPoint label1{7800, 1920};
    QPoint label2{7800, 2520};
    QPoint etichettaEsatti{8520, 1800};
    QPoint etichettaErrati{8520, 2400};
};

// What is the same in every exercise window: sizes in twips, pictures in
// pixels, and the fonts.
struct MisureCornice {
    QSize area{9570, 6885}; // the client area below the menu bar
    QSize label1{735, 375};
    QSize label2{735, 495};
    QSize etichettaEsatti{975, 615};
    QSize etichettaErrati{855, 615};
    QSize icone{855, 750};
    int latoFigura = 1800; // figure boxes are square
    // The row of four bordered figure boxes in the rotation windows; the
    // find and build windows have it at the top.
    int sinistraRiga = 120;
    int passoRiga = 1920;
    int altoRiga = 120;
    QSize disegnoFacce{32, 32};
    QSize disegnoAvanti{40, 40};
    Controlli::Carattere carattereFinestra{.faccia = Controlli::Carattere::Faccia::MsSansSerif,
                                           .punti = 8.25};
    Controlli::Carattere carattereLabel{.faccia = Controlli::Carattere::Faccia::Arial, .punti = 12};
    Controlli::Carattere carattereContatori{.faccia = Controlli::Carattere::Faccia::Arial,
                                            .punti = 18};
    Controlli::Carattere carattereAvanti{.faccia = Controlli::Carattere::Faccia::Arial,
                                         .punti = 14.25};
};

inline constexpr MisureCornice misureCornice{};

// A line drawn over an exercise window: its ends in twips, its width in pixels.
struct Linea {
    QPoint da;
    QPoint a;
    int spessore = 3;
    QRgb colore = qRgb(0, 0, 0);
};
