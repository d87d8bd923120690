// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CopiaCifrata.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the teacher's keys file holds, read and written as JSON: in the clear
// the public key and the class's names, and the private key locked twice,
// under the password and under the recovery code.
struct ContenutoChiavi {
    static constexpr qsizetype byteMassimi = 1024 * 1024;

    QByteArray pubblica;
    QStringList classe;
    CopiaCifrata conPassword;
    CopiaCifrata conCodice;

    // nullopt and *errore (one Italian sentence) for what is not a keys file
    // of this program, a later version of it, or a damaged one.
    static std::optional<ContenutoChiavi> leggi(const QByteArray& file, QString* errore);
    QByteArray scritto() const;

    // "Il file delle chiavi è rovinato (...)."
    static QString rovinato(const QString& perche);
};
