#pragma once

#include "FinestraId.h"

// Moves the program from one window to the next: the new window is shown
// first, then the old one is unloaded, so one window is open at a time.
class Navigatore {
public:
    virtual ~Navigatore() = default;
    virtual void mostra(FinestraId finestra) = 0;
    // Closes every window at once; no further handler runs.
    virtual void terminaProgramma() = 0;
};
