// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The program's one pair of counts and the key value of the current exercise.
// The program holds a single instance; every window works on that one.
struct StatoCondiviso {
    std::int16_t NumeroEsatti = 0;
    std::int16_t NumeroErrati = 0;
    std::int16_t FiguraGiusta = 0;

    // Both counts back to 0: "Azzera conteggio", and leaving for the menu.
    void azzera();

    // Adds one and stays at the 16-bit limit rather than wrapping around.
    static void incrementa(std::int16_t& count);
};
