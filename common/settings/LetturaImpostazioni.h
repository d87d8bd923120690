// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Impostazioni.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Where the settings are read from: the teacher's file, and the school's,
// one under each system configuration folder.
struct FontiImpostazioni {
    QString insegnante;
    QStringList scuola; // the most important first
    // $XDG_CONFIG_HOME/Vortelia/Vortelia.conf and Vortelia/Vortelia.conf
    // under each folder of $XDG_CONFIG_DIRS.
    static FontiImpostazioni delSistema();
};

// The settings in force, and for each key where its value came from.
struct ImpostazioniLette {
    Impostazioni valori;
    struct Origine {
        QString file;          // empty: the default
        bool bloccata = false; // by the school: the teacher's value does not count
    };
    QHash<QString, Origine> origini; // by "suoni/volume" ...; every key is there
    QStringList avvisi;              // in Italian, one line each
    // What the values would be without the teacher's file: the teacher
    // saves only what differs from it.
    Impostazioni dellaScuola;
};

// A key locked in a school file takes the value of the first school file
// that locks it; any other, the teacher's value, else the first school
// file's that sets it, else the default. What cannot be read counts as
// absent and gets a warning; nothing else in its file is lost.
ImpostazioniLette leggiImpostazioni(const FontiImpostazioni&);
