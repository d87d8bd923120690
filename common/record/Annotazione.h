// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VoceRegistro.h"

// Where the pupil's windows hand what happens: the class record when it is
// on. The user-interface thread calls it, so it returns at once.
class Annotazione {
public:
    virtual ~Annotazione() = default;
    virtual void annota(const VoceRegistro& voce) = 0;
};
