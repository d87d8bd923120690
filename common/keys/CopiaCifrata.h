// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The teacher's private key locked under a secret (the password, or the
// recovery code): a key is stretched from the secret with Argon2id, slow on
// purpose so that guessing costs, and locks the private key with
// crypto_secretbox. What stretching costs is kept with the copy.
struct CopiaCifrata {
    QByteArray sale;
    qint64 operazioni = 0;
    qint64 memoria = 0; // bytes
    QByteArray nonce;
    QByteArray cifrata;

    // A new copy of `privata` under `segreto`, a fresh salt and nonce;
    // nullopt when libsodium cannot start or there is no memory for Argon2.
    static std::optional<CopiaCifrata> nuova(const QByteArray& privata, const QByteArray& segreto);

    enum class Apertura { Aperta, SegretoSbagliato, SenzaMemoria };
    // The private key into *privata when `segreto` is the right one.
    Apertura apri(const QByteArray& segreto, QByteArray* privata) const;

    QJsonObject json() const;
    // A copy read back; nullopt, and why in *difetto (Italian words), for a
    // wrong shape or stretching costs out of a sane range: a hostile file
    // must not make Argon2 take gigabytes or minutes.
    static std::optional<CopiaCifrata> daJson(const QJsonValue& valore, QString* difetto);
};
