// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impostazioni.h"

bool Impostazioni::mostraEsercizio(int numero) const {
    return esercizi.isEmpty() || esercizi.contains(numero);
}
