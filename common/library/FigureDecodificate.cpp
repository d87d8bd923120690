// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureDecodificate.h"

using ConvenzioneFigure::viste;
using LetturaViste::Voce;
using VistaFigura::Firma;

void FigureDecodificate::impostaLato(int lato) {
    if (lato == lato_)
        return;
    lato_ = lato;
    decodificate_.clear();
}

LetturaViste::Cartella& FigureDecodificate::nomiDi(QChar lettera) {
    const auto scelta = scelte_.constFind(lettera);
    return scelta == scelte_.constEnd() ? nomi_ : classe_.at(*scelta);
}

QString FigureDecodificate::percorso(QChar lettera, int numero) const {
    const auto scelta = scelte_.constFind(lettera);
    return (scelta == scelte_.constEnd() ? nomi_ : classe_.at(*scelta)).chiave(lettera, numero);
}

void FigureDecodificate::scegli(QChar lettera, const QString& cartellaClasse) {
    if (scelte_.value(lettera) == cartellaClasse)
        return;
    for (int n = 1; n <= viste; ++n)
        decodificate_.remove(percorso(lettera, n));
    if (cartellaClasse.isEmpty())
        scelte_.remove(lettera);
    else
        scelte_.insert(lettera, classe_.try_emplace(cartellaClasse, cartellaClasse).first->first);
}

const Voce* FigureDecodificate::gia(QChar lettera, int numero, const Firma& firma) const {
    const auto found = decodificate_.constFind(percorso(lettera, numero));
    return found != decodificate_.constEnd() && found->firma == firma ? &found.value() : nullptr;
}

bool FigureDecodificate::scartato(QChar lettera, int numero, const Firma& firma) const {
    const auto found = scartati_.constFind(percorso(lettera, numero));
    return found != scartati_.constEnd() && found.value() == firma;
}

LetturaViste::GiaLetteCopiate FigureDecodificate::copiaDi(QChar lettera) const {
    LetturaViste::GiaLetteCopiate copia;
    copia.lettera = lettera;
    for (int n = 1; n <= viste; ++n) {
        const QString p = percorso(lettera, n);
        if (const auto found = decodificate_.constFind(p); found != decodificate_.constEnd())
            copia.voci[n - 1] = *found;
        if (const auto found = scartati_.constFind(p); found != scartati_.constEnd())
            copia.scartati[n - 1] = *found;
    }
    return copia;
}

void FigureDecodificate::ricorda(QChar lettera, const LetturaViste::Lettura& letta,
                                 bool mostrabile) {
    // Only what a file holds by itself is remembered: a view of another size
    // than the others may be right once they are replaced.
    for (int n : letta.illeggibili)
        scartati_.insert(percorso(lettera, n), letta.voci[n - 1].firma);
    if (!mostrabile)
        return;
    for (int n = 1; n <= viste; ++n) {
        scartati_.remove(percorso(lettera, n));
        aggiungi(lettera, n, letta.voci[n - 1]);
    }
    tieni(lettera);
}

void FigureDecodificate::aggiungi(QChar lettera, int numero, Voce voce) {
    decodificate_.insert(percorso(lettera, numero), std::move(voce));
    viste_.insert(percorso(lettera, numero), {lettera, numero});
}

PicturePtr FigureDecodificate::immagine(QChar lettera, int numero) const {
    const auto found = decodificate_.constFind(percorso(lettera, numero));
    return found != decodificate_.constEnd() ? found->immagine : nullptr;
}

bool FigureDecodificate::decodificata(QChar lettera, int numero) const {
    return decodificate_.contains(percorso(lettera, numero));
}

std::pair<QChar, int> FigureDecodificate::vista(const PicturePtr& picture) const {
    return picture ? viste_.value(picture->file()) : std::pair<QChar, int>();
}

qsizetype FigureDecodificate::byteDi(QChar lettera) const {
    qsizetype n = 0;
    for (int numero = 1; numero <= viste; ++numero)
        if (const PicturePtr p = immagine(lettera, numero))
            n += p->image().sizeInBytes();
    return n;
}

void FigureDecodificate::tieni(QChar lettera) {
    recenti_.removeOne(lettera);
    recenti_.append(lettera);
    qsizetype prima = 0; // the letters before the last one
    for (qsizetype i = 0; i + 1 < recenti_.size(); ++i)
        prima += byteDi(recenti_[i]);
    while (recenti_.size() > 1 && (recenti_.size() > lettereTenute || prima > byteTenuti)) {
        const QChar piuVecchia = recenti_.takeFirst();
        prima -= byteDi(piuVecchia);
        for (int n = 1; n <= viste; ++n)
            decodificate_.remove(percorso(piuVecchia, n));
    }
}
