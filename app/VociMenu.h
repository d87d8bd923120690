#pragma once

#include "common/FinestraId.h"

#include <QRect>

#include <array>

// The fifteen exercise buttons of the main menu, in twips. The button names
// do not follow the order on screen; the windows follow the captions.
struct VoceMenu {
    const char* nome;       // Command1 .. Command15
    const char* didascalia; // caption
    int left;
    int top;
    FinestraId apre;
    int indiceSottotitolo; // element of Label1, or -1 for none
    const char* sottotitolo;
    QRect rettangoloSottotitolo;
};

inline constexpr int larghezzaPulsanteMenu = 3000;
inline constexpr int altezzaPulsanteMenu = 615;

const std::array<VoceMenu, 15>& vociMenu();
