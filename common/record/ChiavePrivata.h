// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The teacher's key pair once the password has opened it: what reads the
// record. It lives only in memory and is wiped when it goes.
class ChiavePrivata {
public:
    static constexpr int lunghezza = 32; // X25519, as libsodium's boxes use

    ChiavePrivata() = default;
    ChiavePrivata(QByteArray pubblica, QByteArray privata);
    ~ChiavePrivata();
    ChiavePrivata(ChiavePrivata&& altra) noexcept;
    ChiavePrivata& operator=(ChiavePrivata&& altra) noexcept;
    ChiavePrivata(const ChiavePrivata&) = delete;
    ChiavePrivata& operator=(const ChiavePrivata&) = delete;

    bool valida() const { return pubblica_.size() == lunghezza && privata_.size() == lunghezza; }
    const QByteArray& pubblica() const { return pubblica_; }
    const QByteArray& privata() const { return privata_; }

private:
    void cancella();

    QByteArray pubblica_;
    QByteArray privata_;
};
