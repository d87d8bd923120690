// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// The check of the whole figure folder at start-up: every letter's pictures
// read once, to tell the teacher which files cannot be used. It touches no
// library, so it may run on a thread of its own.
namespace VerificaFigure {

struct Esito {
    QStringList inutilizzabili; // file names, by letter and number
    int lettereUtilizzabili = 0;
    bool interrotto = false;
};

// Stops early, with `interrotto` set, once `interrompi` becomes true.
Esito verifica(const QString& cartella, int latoPixel,
               const std::atomic_bool* interrompi = nullptr);

} // namespace VerificaFigure
