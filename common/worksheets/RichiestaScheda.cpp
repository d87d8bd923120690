// SPDX-License-Identifier: GPL-3.0-or-later
#include "RichiestaScheda.h"

int RichiestaScheda::totale() const {
    int n = 0;
    for (const Voce& voce : esercizi)
        n += voce.quanti;
    return n;
}

QString RichiestaScheda::controlla() const {
    if (esercizi.isEmpty())
        return QStringLiteral("Non è stato scelto nessun esercizio.");
    for (const Voce& voce : esercizi) {
        const int numero = numeroEsercizio(voce.finestra);
        if (numero == 0)
            return QStringLiteral("Una finestra scelta non è un esercizio.");
        if (voce.quanti < 1 || voce.quanti > massimoPerFinestra)
            return QStringLiteral("Gli esercizi di FormEs%1 devono essere da 1 a %2, non %3.")
                .arg(numero)
                .arg(massimoPerFinestra)
                .arg(voce.quanti);
    }
    if (totale() > massimoEsercizi)
        return QStringLiteral("Una scheda ha al massimo %1 esercizi, non %2.")
            .arg(massimoEsercizi)
            .arg(totale());
    if (versioni < 1 || versioni > massimoVersioni)
        return QStringLiteral("Le file devono essere da 1 a %1, non %2.")
            .arg(massimoVersioni)
            .arg(versioni);
    return {};
}
