// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Controlli.h"
#include "common/FinestraId.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

// The line of text under some menu buttons: element of the Label1 array.
struct Sottotitolo {
    int indice;
    const char* testo;
    QRect rettangolo; // twips
};

// The fifteen exercise buttons of the main menu, captioned with the title of
// the window each opens. The button numbers do not
// follow the order on screen; the windows follow the captions.
struct VoceMenu {
    int numero;    // Command1 .. Command15
    QPoint angolo; // top left, twips
    FinestraId apre;
    std::optional<Sottotitolo> sottotitolo = std::nullopt;
};

// The rest of the menu window, in twips; icons in pixels.
struct LayoutMenu {
    QSize finestra{9600, 7200};
    QSize pulsante{3000, 615};
    // A sub-caption may grow down into the free space before the next row.
    int spazioSottotitolo = 720;
    QRect bottoneEsci{5280, 5640, 3015, 735};
    QSize disegnoEsci{32, 32};
    Controlli::Carattere carattereFinestra{.faccia = Controlli::Carattere::Faccia::MsSansSerif,
                                           .punti = 8.25};
    Controlli::Carattere caratterePulsanti{.faccia = Controlli::Carattere::Faccia::Arial,
                                           .punti = 12};
    Controlli::Carattere carattereEsci{
        .faccia = Controlli::Carattere::Faccia::MsSansSerif, .punti = 13.5, .grassetto = false};
};

inline constexpr LayoutMenu layoutMenu{};

const std::array<VoceMenu, 15>& vociMenu();
