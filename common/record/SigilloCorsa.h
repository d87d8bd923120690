// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class ChiavePrivata;

// The key of one run of the program: a fresh random key seals every entry of
// the run, and itself travels sealed for the teacher's public key. The
// program holds it in memory alone, so once the run ends nothing on the PC
// opens its entries; the teacher's private key opens the seal. An entry's
// nonce is its number, never used twice in a run.
class SigilloCorsa {
public:
    static constexpr int lunghezzaCorsa = 16;   // the run's id
    static constexpr int lunghezzaSigillo = 80; // the run's key, sealed
    static constexpr int aggiunta = 16;         // what sealing adds to an entry

    // A new run for the teacher's public key; nothing when the key is not one.
    static std::optional<SigilloCorsa> nuovo(const QByteArray& pubblica);
    // A run written earlier, its key opened by the teacher's; nothing when the
    // seal does not open.
    static std::optional<SigilloCorsa> apri(const QByteArray& corsa, const QByteArray& sigillo,
                                            const ChiavePrivata& chiave);

    ~SigilloCorsa();
    SigilloCorsa(SigilloCorsa&& altro) noexcept;
    SigilloCorsa& operator=(SigilloCorsa&& altro) noexcept;
    SigilloCorsa(const SigilloCorsa&) = delete;
    SigilloCorsa& operator=(const SigilloCorsa&) = delete;

    const QByteArray& corsa() const { return corsa_; }
    const QByteArray& sigillo() const { return sigillo_; }

    QByteArray sigilla(quint64 n, QByteArrayView chiaro) const;
    // False when the entry was not sealed with this key and number, or was changed.
    bool apriVoce(quint64 n, QByteArrayView cifrato, QByteArray& chiaro) const;

private:
    SigilloCorsa() = default;
    void cancella();

    QByteArray corsa_;
    QByteArray sigillo_;
    QByteArray chiave_;
};
