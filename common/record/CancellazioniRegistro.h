// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CartelleRegistro.h"

#include <QDate>
#include <QString>

class ChiavePrivata;

// What the teacher erases from the class record, for good.
struct Cancellazione {
    enum class Tipo { Alunno, PrimaDi, Tutto };
    Tipo tipo = Tipo::Tutto;
    QString alunno; // Alunno: this pupil's entries
    QDate giorno;   // PrimaDi: every entry of a local day before this one
};

// Empty when done, else an Italian sentence saying what was not. In the
// lab's folder each file holding an erased entry is written again, sealed
// anew, with the rest, before it is removed; this PC's database loses the
// rows, and the journals killed runs left go into it first.
QString cancellaRegistro(const CartelleRegistro& cartelle, const ChiavePrivata& chiave,
                         const Cancellazione& cancellazione);
