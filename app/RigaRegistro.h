// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class QTextStream;
struct FontiImpostazioni;

// The class record from the command line, for a school's technician and for
// tests, with the teacher's password read from standard input (one line):
// vortelia --registro-attiva CLASSE.txt | --registro-csv FILE |
//          --registro-griglia FILE | --registro-cancella-fino GIORNO
namespace RigaRegistro {

struct Opzioni {
    enum class Azione { Attiva, Risposte, Griglia, CancellaFino };
    Azione azione = Azione::Attiva;
    QString file; // the class's list, or the CSV to write
    QDate giorno; // CancellaFino: the last day erased
};

// Whether the line asks for the record.
bool richiesta(const QStringList& argomenti);

// The options, or why the line is wrong (one Italian line).
std::variant<Opzioni, QString> leggi(const QStringList& argomenti);

// The options' lines for --help.
QString uso();

// Does what the options ask on this PC's record. The exit status: 0 done,
// 1 not done, the reason in one line on `err`.
int esegui(const Opzioni& opzioni, const FontiImpostazioni& fonti, QTextStream& in,
           QTextStream& out, QTextStream& err);

} // namespace RigaRegistro
