// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings/LetturaImpostazioni.h"

#include <QSet>
#include <QString>

#include <functional>

// The settings the pupils' program runs with, read again whenever asked
// (before each window), so that what a teacher saves meanwhile applies. What
// cannot be read is said once, however often it is read.
class ImpostazioniInVigore {
public:
    using Avviso = std::function<void(const QString&)>;
    ImpostazioniInVigore(FontiImpostazioni fonti, Avviso avviso);

    Impostazioni leggi();

private:
    FontiImpostazioni fonti_;
    Avviso avviso_;
    QSet<QString> detti_;
};
