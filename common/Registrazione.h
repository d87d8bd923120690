// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/VoceRegistro.h"

#include <QString>
#include <QStringList>

class Annotazione;
class Clock;

// What whoever starts the program hands it of the class record. The record
// outlives the program that writes into it.
struct RegistroInUso {
    Annotazione* annotazione = nullptr; // nullptr: the record is off
    QStringList nomi;                   // the class, as its list spells the names
};

// Who plays now, for the class record, and the entries the windows hand it,
// each dated and signed with the pupil's name. With the record off, or
// before a pupil has said who they are, nothing is handed on.
class Registrazione {
public:
    // A record on with no names is as off: nobody could say who they are.
    Registrazione(RegistroInUso registro, const Clock& orologio);

    // "Chi sei?" is asked before the menu.
    bool chiedeAlunno() const { return annotazione_ != nullptr; }
    const QStringList& nomi() const { return nomi_; }
    const QString& alunno() const { return alunno_; }
    // Entries are handed on: the record is on and a pupil has said who they are.
    bool attiva() const { return annotazione_ && !alunno_.isEmpty(); }
    const Clock& orologio() const { return orologio_; }

    // The pupil who plays from now on, and the entry that says so.
    void inizia(const QString& alunno);
    // Nobody plays any more: the entry that says so, once.
    void finisci();

    // Hands the entry on, dated now and signed; nothing when not attiva().
    void annota(VoceRegistro voce) const;

private:
    // The start or the end of a turn.
    void annotaTurno(VoceRegistro::Tipo tipo) const;

    Annotazione* annotazione_;
    QStringList nomi_;
    const Clock& orologio_;
    QString alunno_;
};
