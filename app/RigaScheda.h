// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/worksheets/RichiestaScheda.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The worksheets from the command line, with no display:
// vortelia --scheda FILE.pdf --esercizi FormEs2:4,FormEs14:3 [--versioni N]
//          [--seme N] [--figure-classe] [--titolo TESTO]
namespace RigaScheda {

struct Opzioni {
    QString file;
    RichiestaScheda richiesta;
};

// Whether the line asks for a worksheet.
bool richiesta(const QStringList& argomenti);

// The options, or why the line is wrong (one Italian line). Without --seme
// the seed is `semeNuovo`.
std::variant<Opzioni, QString> leggi(const QStringList& argomenti, quint64 semeNuovo);

// The options' lines for --help.
QString uso();

// When the line asks for a worksheet: writes it and gives the exit status,
// 0 done, 1 not done, 2 a wrong line, the reason in one line on stderr.
// Nothing for any other line. The same seed gives the same bytes from run
// to run once main() has fixed Qt's hash seed.
std::optional<int> esegui(int& argc, char** argv, const QStringList& argomenti);

} // namespace RigaScheda
