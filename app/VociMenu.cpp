#include "VociMenu.h"

namespace {
constexpr int sinistra = 120;
constexpr int destra = 5160;
constexpr QRect nessuno{};
} // namespace

const std::array<VoceMenu, 15>& vociMenu() {
    static const std::array<VoceMenu, 15> voci = {{
        {"Command8", "Forma la rotazione - 1", sinistra, 120, FinestraId::FormEs8, 4,
         "solo rotazioni orarie - tra 4 possibilità", {3240, 240, 1695, 495}},
        {"Command9", "Forma la rotazione - 2", sinistra, 840, FinestraId::FormEs9, 5,
         "solo rotazioni antiorarie - tra 4 possibilità", {3240, 960, 1935, 615}},
        {"Command10", "Forma la rotazione - 3", sinistra, 1560, FinestraId::FormEs10, 6,
         "rotazioni orarie e antiorarie- tra 4 possibilità", {3240, 1680, 1935, 735}},
        {"Command13", "Forma la rotazione - 4", sinistra, 2280, FinestraId::FormEs11, 9,
         "solo rotazioni orarie - tra 8 possibilità", {3240, 2400, 1695, 495}},
        {"Command12", "Forma la rotazione - 5", sinistra, 3000, FinestraId::FormEs12, 8,
         "solo rotazioni antiorarie - tra 8 possibilità", {3240, 3120, 1935, 615}},
        {"Command11", "Forma la rotazione - 6", sinistra, 3720, FinestraId::FormEs13, 7,
         "rotazioni orarie e antiorarie- tra 8 possibilità", {3240, 3840, 1935, 735}},
        {"Command4", "Indica il tipo di rotazione", sinistra, 4440, FinestraId::FormEs4, -1, nullptr,
         nessuno},
        {"Command1", "Trova la rotazione - 1", sinistra, 5160, FinestraId::FormEs2, 0,
         "solo rotazioni orarie - tra 4 possibilità", {3240, 5280, 1695, 495}},
        {"Command2", "Trova la rotazione - 2", sinistra, 5880, FinestraId::FormEs3, 1,
         "solo rotazioni orarie - tra 8 possibilità", {3240, 6000, 1695, 615}},
        {"Command3", "Trova la rotazione - 3", destra, 240, FinestraId::FormEs5, 2,
         "rotazioni orarie e antiorarie - tra 4 possibilità", {8280, 240, 1575, 615}},
        {"Command7", "Trova la rotazione - 4", destra, 960, FinestraId::FormEs6, 3,
         "rotazioni orarie e antiorarie - tra 8 possibilità", {8280, 960, 1455, 615}},
        {"Command5", "Trova la simmetria - asse verticale", destra, 2280, FinestraId::FormEs1, -1,
         nullptr, nessuno},
        {"Command6", "Trova la simmetria - asse orizzontale", destra, 3000, FinestraId::FormEs7, -1,
         nullptr, nessuno},
        {"Command14", "Trova la simmetria - asse diagonale - 1", destra, 3720, FinestraId::FormEs14,
         -1, nullptr, nessuno},
        {"Command15", "Trova la simmetria - asse diagonale - 2", destra, 4440, FinestraId::FormEs15,
         -1, nullptr, nessuno},
    }};
    return voci;
}
