// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RigaComando.h"

#include <QByteArray>
#include <QList>

// The command line as the system hands it to main(): bytes. Qt reads them
// as UTF-8 text, and a file name that is not valid UTF-8 (a Latin-1 "è" from
// an old stick or share) does not survive that: the drawing's path is taken
// from the bytes themselves.
namespace ArgomentiSistema {

// argomenti: the arguments after the program's name.
RigaComando::Scelta leggi(const QList<QByteArray>& argomenti);

} // namespace ArgomentiSistema
