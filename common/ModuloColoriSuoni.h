// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct Contesto;

// The answer sounds: one of four applauses, or the wrong-answer sound. The
// name is the design's; the window colours are in Colori.
namespace ModuloColoriSuoni {

QString percorsoSuono(const QString& applicationFolder, const QString& name);
// The five sound files, for preloading.
QStringList percorsiSuoni(const QString& applicationFolder);

// Takes one value from the generator: si1.wav .. si4.wav.
void SuonoEsatto(Contesto& ctx);
// Takes none: no.wav.
void SuonoErrato(Contesto& ctx);

} // namespace ModuloColoriSuoni
