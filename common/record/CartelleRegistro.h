// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the class record lives. On every PC the local folder holds its own
// database and journal. The record's folder holds the teacher's keys and,
// when it is another folder (a lab's share on the school's server), the
// files each PC copies there for the teacher to read.
struct CartelleRegistro {
    QString locale;   // this PC's local disk
    QString registro; // the keys, and the lab's copies when not `locale`

    // The record's folder is not the local one: answers are copied there.
    bool condivisa() const;

    // This user's local data folder for the record, and the record's folder
    // the settings name (empty: the local one).
    static CartelleRegistro delSistema(const QString& cartellaImpostazioni);
};
