// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChiavePrivata.h"

#include <sodium.h>

#include <utility>

ChiavePrivata::ChiavePrivata(QByteArray pubblica, QByteArray privata)
    : pubblica_(std::move(pubblica)), privata_(std::move(privata)) {}

ChiavePrivata::~ChiavePrivata() {
    cancella();
}

ChiavePrivata::ChiavePrivata(ChiavePrivata&& altra) noexcept
    : pubblica_(std::exchange(altra.pubblica_, {})), privata_(std::exchange(altra.privata_, {})) {}

ChiavePrivata& ChiavePrivata::operator=(ChiavePrivata&& altra) noexcept {
    if (this != &altra) {
        cancella();
        pubblica_ = std::exchange(altra.pubblica_, {});
        privata_ = std::exchange(altra.privata_, {});
    }
    return *this;
}

void ChiavePrivata::cancella() {
    // Only a buffer this object alone holds is wiped: a shared copy is
    // another holder's.
    if (!privata_.isEmpty() && !privata_.isDetached())
        privata_ = QByteArray();
    if (!privata_.isEmpty())
        sodium_memzero(privata_.data(), size_t(privata_.size()));
    privata_ = QByteArray();
}
