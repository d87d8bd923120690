// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sodio.h"

#include <sodium.h>

bool sodioPronto() {
    // sodium_init() is safe to call from several threads; a static keeps it
    // to one call.
    static const bool pronto = sodium_init() >= 0;
    return pronto;
}

void cancellaSegreto(QByteArray& segreto) {
    // A buffer shared with another array is that one's to wipe.
    if (!segreto.isEmpty() && segreto.isDetached())
        sodium_memzero(segreto.data(), size_t(segreto.size()));
    segreto = QByteArray();
}
