// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impostazioni.h"

#include <algorithm>

bool Impostazioni::uguali(const QList<int>& a, const QList<int>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

bool Impostazioni::operator==(const Impostazioni& altre) const {
    return suoniAttivi == altre.suoniAttivi && volume == altre.volume &&
           uguali(esercizi, altre.esercizi) && schermoIntero == altre.schermoIntero &&
           blocco == altre.blocco && registroAttivo == altre.registroAttivo &&
           cartellaRegistro == altre.cartellaRegistro && cartellaFigure == altre.cartellaFigure;
}

bool Impostazioni::mostraEsercizio(int numero) const {
    return esercizi.isEmpty() || esercizi.contains(numero);
}
