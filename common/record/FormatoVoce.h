// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VoceRegistro.h"

#include <QByteArrayView>

#include <optional>

// An entry as bytes, before sealing: a format byte, then the fields in a
// fixed QDataStream version, so that any later program reads them alike.
namespace FormatoVoce {

QByteArray scrivi(const VoceRegistro& voce);
// Nothing when the bytes are not a whole entry of this format.
std::optional<VoceRegistro> leggi(QByteArrayView byte);

} // namespace FormatoVoce
