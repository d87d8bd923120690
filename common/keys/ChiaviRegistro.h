// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/CartelleRegistro.h"
#include "common/record/ChiavePrivata.h"
#include "common/record/ChiaviPubbliche.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The teacher's keys file, chiavi.json in the record's folder. It holds in
// the clear what every pupil's PC needs, the public key that seals each entry
// and the class's names; and the private key that reads the entries, locked
// under the teacher's password and again under a recovery code written down
// when the record is switched on.
class ChiaviRegistro {
public:
    static QString nomeFile(); // "chiavi.json"

    struct Attivazione {
        QByteArray file;
        QString codiceRecupero; // shown once, for the teacher to write down
        QString errore;
    };
    // A new key pair for this class: refuses an invalid class (NomiClasse's
    // rules) and a password under 8 characters.
    static Attivazione crea(const QStringList& classe, const QString& password);
    static constexpr int lunghezzaPassword = 8;

    // What a pupil's PC needs: nullopt with *errore (Italian) for a file that
    // is not a keys file of this program, damaged, or over 1 MB.
    static std::optional<ChiaviPubbliche> leggiPubbliche(const QByteArray& file,
                                                         QString* errore = nullptr);

    // The private key, opened with the password or with the recovery code
    // (typed in any case, with or without dashes and blanks). A wrong one
    // answers "La password non è giusta."; a damaged file says so. An invalid
    // key on refusal.
    static ChiavePrivata apri(const QByteArray& file, const QString& password, QString* errore);
    static ChiavePrivata apriConCodice(const QByteArray& file, const QString& codice,
                                       QString* errore);

    // The same keys file with a new password (after the recovery code opened
    // it), or with a new class list; an empty array and *errore on refusal.
    static QByteArray conNuovaPassword(const QByteArray& file, const ChiavePrivata& chiave,
                                       const QString& nuova, QString* errore);
    static QByteArray conClasse(const QByteArray& file, const QStringList& classe, QString* errore);

    // Reads the record's folder's keys file; when the record's folder is a
    // share that is away, this PC's copy of it. Empty and *errore on failure.
    static QByteArray leggiFile(const CartelleRegistro& cartelle, QString* errore);
    // The public part of that file, as leggiPubbliche reads it.
    static std::optional<ChiaviPubbliche> leggiPubbliche(const CartelleRegistro& cartelle,
                                                         QString* errore);
    // Writes `file` as cartella/chiavi.json, whole or not at all, readable by
    // all (mode 0644: the pupils' PCs read it).
    static bool scriviFile(const QString& cartella, const QByteArray& file, QString* errore);
};
