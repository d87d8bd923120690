// SPDX-License-Identifier: GPL-3.0-or-later
#include "SigilloCorsa.h"
#include "Sodio.h"

#include "ChiavePrivata.h"

#include <sodium.h>

#include <cstring>
#include <utility>

// Each entry in ChaCha20-Poly1305: a reading opens some 600,000 of them, and
// XSalsa20 would first derive a key for each from its long nonce. The run's
// key is random and never used by another run, so the entry's number alone
// is a nonce never used twice with it.
static_assert(SigilloCorsa::lunghezzaSigillo ==
              crypto_box_SEALBYTES + crypto_aead_chacha20poly1305_ietf_KEYBYTES);
static_assert(SigilloCorsa::aggiunta == crypto_aead_chacha20poly1305_ietf_ABYTES);

namespace {

using Nonce = unsigned char[crypto_aead_chacha20poly1305_ietf_NPUBBYTES];

void nonce(quint64 n, Nonce& out) {
    memset(out, 0, sizeof out);
    for (int i = 0; i < 8; ++i)
        out[sizeof out - 8 + i] = static_cast<unsigned char>(n >> (56 - 8 * i));
}

const unsigned char* byte(const QByteArray& a) {
    return reinterpret_cast<const unsigned char*>(a.constData());
}

} // namespace

std::optional<SigilloCorsa> SigilloCorsa::nuovo(const QByteArray& pubblica) {
    if (!sodioPronto() || pubblica.size() != crypto_box_PUBLICKEYBYTES)
        return std::nullopt;
    SigilloCorsa s;
    s.corsa_.resize(lunghezzaCorsa);
    randombytes_buf(s.corsa_.data(), size_t(lunghezzaCorsa));
    s.chiave_.resize(crypto_aead_chacha20poly1305_ietf_KEYBYTES);
    crypto_aead_chacha20poly1305_ietf_keygen(reinterpret_cast<unsigned char*>(s.chiave_.data()));
    s.sigillo_.resize(lunghezzaSigillo);
    if (crypto_box_seal(reinterpret_cast<unsigned char*>(s.sigillo_.data()), byte(s.chiave_),
                        crypto_aead_chacha20poly1305_ietf_KEYBYTES, byte(pubblica)) != 0)
        return std::nullopt;
    return s;
}

std::optional<SigilloCorsa> SigilloCorsa::apri(const QByteArray& corsa, const QByteArray& sigillo,
                                               const ChiavePrivata& chiave) {
    if (!sodioPronto() || !chiave.valida() || corsa.size() != lunghezzaCorsa ||
        sigillo.size() != lunghezzaSigillo)
        return std::nullopt;
    SigilloCorsa s;
    s.corsa_ = corsa;
    s.sigillo_ = sigillo;
    s.chiave_.resize(crypto_aead_chacha20poly1305_ietf_KEYBYTES);
    if (crypto_box_seal_open(reinterpret_cast<unsigned char*>(s.chiave_.data()), byte(sigillo),
                             lunghezzaSigillo, byte(chiave.pubblica()),
                             byte(chiave.privata())) != 0)
        return std::nullopt;
    return s;
}

SigilloCorsa::~SigilloCorsa() {
    cancella();
}

SigilloCorsa::SigilloCorsa(SigilloCorsa&& altro) noexcept
    : corsa_(std::exchange(altro.corsa_, {})), sigillo_(std::exchange(altro.sigillo_, {})),
      chiave_(std::exchange(altro.chiave_, {})) {}

SigilloCorsa& SigilloCorsa::operator=(SigilloCorsa&& altro) noexcept {
    if (this != &altro) {
        cancella();
        corsa_ = std::exchange(altro.corsa_, {});
        sigillo_ = std::exchange(altro.sigillo_, {});
        chiave_ = std::exchange(altro.chiave_, {});
    }
    return *this;
}

void SigilloCorsa::cancella() {
    // The key is never copied, so this object alone holds its bytes.
    if (!chiave_.isEmpty() && chiave_.isDetached())
        sodium_memzero(chiave_.data(), size_t(chiave_.size()));
    chiave_ = QByteArray();
}

QByteArray SigilloCorsa::sigilla(quint64 n, QByteArrayView chiaro) const {
    Nonce numero;
    nonce(n, numero);
    QByteArray cifrato(chiaro.size() + aggiunta, Qt::Uninitialized);
    crypto_aead_chacha20poly1305_ietf_encrypt(
        reinterpret_cast<unsigned char*>(cifrato.data()), nullptr,
        reinterpret_cast<const unsigned char*>(chiaro.data()), size_t(chiaro.size()), nullptr, 0,
        nullptr, numero, byte(chiave_));
    return cifrato;
}

bool SigilloCorsa::apriVoce(quint64 n, QByteArrayView cifrato, QByteArray& chiaro) const {
    if (cifrato.size() < aggiunta)
        return false;
    Nonce numero;
    nonce(n, numero);
    chiaro.resize(cifrato.size() - aggiunta);
    return crypto_aead_chacha20poly1305_ietf_decrypt(
               reinterpret_cast<unsigned char*>(chiaro.data()), nullptr, nullptr,
               reinterpret_cast<const unsigned char*>(cifrato.data()), size_t(cifrato.size()),
               nullptr, 0, numero, byte(chiave_)) == 0;
}
