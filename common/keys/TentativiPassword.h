// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/Clock.h"

#include <QString>

// Slows down whoever guesses the teacher's password at the keyboard: after
// three wrong tries in a row each next try waits, twice as long each time
// (1, 2, 4 ... seconds, at most a minute). A right password starts afresh.
class TentativiPassword {
public:
    explicit TentativiPassword(const Clock& orologio);

    // 0: a try may be made now; else how many milliseconds to wait.
    qint64 attesaMs() const;
    void esito(bool giusta);
    // "Troppi tentativi: riprova fra 8 secondi."; empty while no wait is due.
    QString messaggio() const;

    static constexpr int liberi = 3;
    static constexpr qint64 attesaMassimaMs = 60'000;

private:
    const Clock& orologio_;
    int sbagliati_ = 0;
    qint64 ultimo_ = 0; // the steady clock at the last wrong try
};
