// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatoCondiviso.h"

#include <limits>

void StatoCondiviso::azzera() {
    NumeroEsatti = 0;
    NumeroErrati = 0;
}

void StatoCondiviso::incrementa(std::int16_t& count) {
    if (count < std::numeric_limits<std::int16_t>::max())
        ++count;
}
