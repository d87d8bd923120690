// SPDX-License-Identifier: GPL-3.0-or-later
#include "TentativiPassword.h"

#include <algorithm>

TentativiPassword::TentativiPassword(const Clock& orologio) : orologio_(orologio) {}

qint64 TentativiPassword::attesaMs() const {
    if (sbagliati_ < liberi)
        return 0;
    // 2^6 s is past the minute already: a larger shift would only overflow.
    const int esponente = std::min(sbagliati_ - liberi, 6);
    const qint64 attesa = std::min(qint64(1000) << esponente, attesaMassimaMs);
    return std::max<qint64>(0, ultimo_ + attesa - orologio_.steadyMilliseconds());
}

void TentativiPassword::esito(bool giusta) {
    if (giusta) {
        sbagliati_ = 0;
        return;
    }
    ++sbagliati_;
    ultimo_ = orologio_.steadyMilliseconds();
}

QString TentativiPassword::messaggio() const {
    const qint64 attesa = attesaMs();
    if (attesa == 0)
        return {};
    const qint64 secondi = (attesa + 999) / 1000;
    return secondi == 1 ? QStringLiteral("Troppi tentativi: riprova fra un secondo.")
                        : QStringLiteral("Troppi tentativi: riprova fra %1 secondi.").arg(secondi);
}
