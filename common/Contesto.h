// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class BibliotecaFigure;
class FigureMemorizzate;
class MessageBoxService;
class Navigatore;
class RandomSource;
class Registrazione;
class SoundPlayer;
struct Impostazioni;
struct StatoCondiviso;

// What every window works with: the platform services, the shared counts,
// the picture library, the way to the other windows and the settings in force.
struct Contesto {
    RandomSource& rnd;
    MessageBoxService& messaggi;
    SoundPlayer& suoni;
    BibliotecaFigure& figure;
    FigureMemorizzate& memorizzate;
    StatoCondiviso& stato;
    Navigatore& navigatore;
    QString cartellaApplicazione;
    const Impostazioni& impostazioni;
    const Registrazione& registrazione;
};
