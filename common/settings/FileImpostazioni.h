// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChiaviImpostazioni.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One settings file as QSettings reads it, once it is known to be a small
// text file: each entry of a known key with its lock mark, and a warning for
// everything else. Which file wins is not decided here.
namespace FileImpostazioni {

// A settings file is a few hundred bytes; a larger one is not one.
constexpr qint64 limite = 1024 * 1024;

// What a school writes after a key's name to lock it, as KDE's kiosk does.
inline constexpr QLatin1StringView blocco("[$i]");

struct Voce {
    const ChiaviImpostazioni::Chiave* chiave;
    QVariant letto;
    bool bloccata = false;
};

struct Letto {
    QString percorso;
    QList<Voce> voci;
    QStringList avvisi;
};

// dellaScuola: whether a "[$i]" after a key locks it.
Letto leggi(const QString& percorso, bool dellaScuola);

// "vortelia: FILE: testo", one line.
QString avviso(const QString& percorso, const QString& testo);
// "[gruppo] nome=valore" as a warning names an entry: one line, not too long.
QString voce(const QString& gruppo, const QString& nome, const QVariant& letto);

} // namespace FileImpostazioni
