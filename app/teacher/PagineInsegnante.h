// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings/LetturaImpostazioni.h"

#include <QString>

#include <memory>

class AreaInsegnante;
class MessageBoxService;

// The teacher's area with all its pages, on this PC's settings files and
// class figures.
namespace PagineInsegnante {

enum class Prima { Figure, Impostazioni };

// cartellaViste: the shipped views' folder.
std::unique_ptr<AreaInsegnante> crea(const FontiImpostazioni& fonti, const QString& cartellaViste,
                                     MessageBoxService& messaggi, Prima prima = Prima::Figure);

} // namespace PagineInsegnante
