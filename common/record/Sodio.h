// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// libsodium made ready once, before its first use: false when it cannot be
// (no source of randomness), and then no key is made or opened.
bool sodioPronto();

// A secret (a password's bytes, a stretched key, a private key) wiped before
// its memory goes back, then emptied.
void cancellaSegreto(QByteArray& segreto);
