// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/CancellazioniRegistro.h"
#include "common/record/CartelleRegistro.h"
#include "common/record/ChiavePrivata.h"
#include "common/record/LetturaRegistro.h"
#include "common/settings/LetturaImpostazioni.h"

#include <QString>
#include <QStringList>

// The teacher's way into the class record, the same from the teacher's area
// and from the command line: switching it on, opening it with the password
// (or the recovery code, which sets a new one), reading and erasing.
class AccessoRegistro {
public:
    // The record's folder is the one the settings name when asked.
    explicit AccessoRegistro(FontiImpostazioni fonti);
    // For tests: these folders, the settings' switch left alone.
    explicit AccessoRegistro(CartelleRegistro cartelle);

    CartelleRegistro cartelle() const;
    // The teacher's keys are in the record's folder.
    bool attivato() const;
    // The settings keep the record (its folder aside).
    bool attivoNelleImpostazioni() const;

    struct Attivazione {
        QString codiceRecupero; // to be shown once
        QString errore;         // empty: switched on
    };
    // Makes the teacher's keys for this class and turns the record on in the
    // teacher's settings. Never over a record already there: its answers
    // could no longer be read.
    Attivazione attiva(const QStringList& classe, const QString& password);

    ChiavePrivata apri(const QString& password, QString* errore) const;
    // The recovery code opens the record and sets a new password.
    ChiavePrivata apriConCodice(const QString& codice, const QString& nuovaPassword,
                                QString* errore);

    LetturaRegistro leggi(const ChiavePrivata& chiave) const;
    // Empty: done, and final; else why not.
    QString cancella(const ChiavePrivata& chiave, const Cancellazione& cancellazione) const;

private:
    QByteArray fileChiavi(QString* errore) const;

    std::optional<FontiImpostazioni> fonti_;
    CartelleRegistro cartelle_;
};
