// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/VoceRegistro.h"

#include <QDate>
#include <QDateTime>

#include <limits>
#include <optional>

// What a set of answers comes to: how many, how many were an exercise's
// first answer and how many of those were right, and when the last was.
struct ConteggiRisposte {
    static constexpr qint64 mai = std::numeric_limits<qint64>::min();

    int risposte = 0;
    int primi = 0;
    int primiGiusti = 0;
    qint64 ultima = mai; // ms since 1970

    void aggiungi(const VoceRegistro& v) {
        ++risposte;
        primi += v.primoTentativo;
        primiGiusti += v.primoTentativo && v.giusta;
        ultima = std::max(ultima, v.quando);
    }
    void aggiungi(const ConteggiRisposte& altri) {
        risposte += altri.risposte;
        primi += altri.primi;
        primiGiusti += altri.primiGiusti;
        ultima = std::max(ultima, altri.ultima);
    }
    // The share right at the first try, 0 to 1; none without a first try.
    std::optional<double> quota() const {
        if (primi == 0)
            return std::nullopt;
        return double(primiGiusti) / primi;
    }
    // The local day of the last answer; invalid when none.
    QDate ultimoGiorno() const {
        if (ultima == mai)
            return {};
        return QDateTime::fromMSecsSinceEpoch(ultima, Qt::LocalTime).date();
    }
    bool operator==(const ConteggiRisposte&) const = default;
};
