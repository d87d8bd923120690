// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuloColoriSuoni.h"

#include "Contesto.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/sound/SoundPlayer.h"

namespace ModuloColoriSuoni {

QString percorsoSuono(const QString& applicationFolder, const QString& name) {
    return applicationFolder + QStringLiteral("/suoni/") + name;
}

QStringList percorsiSuoni(const QString& applicationFolder) {
    QStringList paths;
    for (const char* name : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        paths << percorsoSuono(applicationFolder, QString::fromLatin1(name));
    return paths;
}

void SuonoEsatto(Contesto& ctx) {
    const int k = ctx.rnd.draw(4) + 1;
    ctx.suoni.play(percorsoSuono(ctx.cartellaApplicazione, QStringLiteral("si%1.wav").arg(k)));
}

void SuonoErrato(Contesto& ctx) {
    ctx.suoni.play(percorsoSuono(ctx.cartellaApplicazione, QStringLiteral("no.wav")));
}

} // namespace ModuloColoriSuoni
