// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Impostazioni.h"

#include <QString>
#include <QVariant>

#include <span>
#include <variant>

// Every key of the settings files, once: where it stands in a file, the
// field of Impostazioni it sets and what it may hold. Reading, saving, the
// description and the settings page walk this table; no key has code of
// its own. The defaults are Impostazioni's own.
namespace ChiaviImpostazioni {

// In the order of Campo's alternatives.
enum class Tipo { SiNo, Numero, Esercizi, Cartella };

using Campo = std::variant<bool Impostazioni::*, int Impostazioni::*, QList<int> Impostazioni::*,
                           QString Impostazioni::*>;

struct Chiave {
    const char* gruppo;
    const char* nome;
    Campo campo;
    int minimo = 0; // a Numero's range
    int massimo = 0;
    const char* seVuoto = nullptr; // what an empty Esercizi or Cartella stands for

    Tipo tipo() const { return static_cast<Tipo>(campo.index()); }
    // "suoni/volume": as QSettings names it, and the key of the origins.
    QString percorso() const;
};

// Every key, those of a group together, as the files list them.
std::span<const Chiave> tutte();
// The key of that group and name, or nullptr.
const Chiave* trova(QStringView gruppo, QStringView nome);
bool gruppoNoto(QStringView gruppo);

// The key's value as a file writes it, before any escaping: "true", "30",
// "FormEs1, FormEs3", a folder.
QString testo(const Chiave&, const Impostazioni&);
// The value as a sentence names it: the text, or what an empty one stands for.
QString comeVale(const Chiave&, const Impostazioni&);
bool uguale(const Chiave&, const Impostazioni&, const Impostazioni&);
void copia(const Chiave&, const Impostazioni& da, Impostazioni& in);

// What became of a value read from a file.
struct Esito {
    bool letto = false; // the key was set, perhaps from a part of the value
    QString problema;   // what was wrong with it, in Italian; empty when nothing
};
// Sets the key in `in` from what QSettings read; a value that cannot be
// read leaves `in` as it was.
Esito interpreta(const Chiave&, const QVariant& letto, Impostazioni& in);

} // namespace ChiaviImpostazioni
