// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Reading a small file that may come from anyone (a stick, the lab's share):
// only a regular file is opened (a FIFO would block the reader for good), and
// no more than a limit is read.
namespace LetturaLimitata {

enum class Esito { Letto, Manca, NonFile, TroppoGrande, Illeggibile };

struct Letto {
    Esito esito = Esito::Manca;
    QByteArray byte;
    QString motivo; // the system's words, for Illeggibile
};

Letto leggi(const QString& percorso, qint64 massimo);

} // namespace LetturaLimitata
