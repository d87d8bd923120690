// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CartelleRegistro.h"
#include "VoceRegistro.h"

#include <QList>
#include <QStringList>

class ChiavePrivata;

// What the teacher's area reads of the class record, opened into memory:
// this PC's database and journals and, with a lab's folder, every PC's
// copies there. A file that is not a whole one of ours is left out and said.
struct LetturaRegistro {
    QList<VoceRegistro> voci; // by time, each entry once wherever it was read
    QStringList classe;       // as the caller read it from the keys
    // For the teacher, in Italian: each file left out and why, and how many
    // of this PC's entries wait to be copied to the lab's folder, since when.
    QStringList note;

    static LetturaRegistro leggi(const CartelleRegistro& cartelle, const ChiavePrivata& chiave,
                                 const QStringList& classe);
};
