// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraId.h"

// Moves the program from one window to the next: the new window is shown
// first, then the old one is unloaded, so one window is open at a time.
class Navigatore {
public:
    virtual ~Navigatore() = default;
    virtual void mostra(FinestraId finestra) = 0;
    // The figure pictures can no longer be read (a stick pulled out, a share
    // that dropped): says so once and goes back to the menu, the counts reset
    // as "Esci" resets them.
    virtual void figurePerse() = 0;
    // Closes every window at once; no further handler runs.
    virtual void terminaProgramma() = 0;
};
