// SPDX-License-Identifier: GPL-3.0-or-later
#include "CartellaViste.h"

#include "common/views/FileViste.h"

namespace LetturaViste {

using ConvenzioneFigure::lettere;
using ConvenzioneFigure::viste;
using VistaFigura::FileAperto;

std::optional<FileAperto> Cartella::apri(QChar lettera, int numero, QString* nome) {
    return cartella_.open(FileViste::nome(lettera, numero), nome);
}

namespace {

// Where the path of that view is in the table of a folder's paths; -1 for
// a view outside it.
int posto(QChar lettera, int numero) {
    const int l = ConvenzioneFigure::indice(lettera);
    if (l < 0 || numero < 1 || numero > viste)
        return -1;
    return l * viste + numero - 1;
}

QString percorsoDi(const QString& cartella, QChar lettera, int numero) {
    return cartella + QLatin1Char('/') + FileViste::nome(lettera, numero);
}

} // namespace

Cartella::Cartella(QString percorso) : cartella_(std::move(percorso)) {
    std::vector<QString> chiavi;
    chiavi.reserve(lettere * viste);
    for (int l = 0; l < lettere; ++l)
        for (int n = 1; n <= viste; ++n)
            chiavi.push_back(percorsoDi(cartella_.path(), ConvenzioneFigure::lettera(l), n));
    chiavi_ = std::make_shared<const std::vector<QString>>(std::move(chiavi));
}

QString Cartella::chiave(QChar lettera, int numero) const {
    if (const int i = posto(lettera, numero); i >= 0)
        return (*chiavi_)[std::size_t(i)];
    return percorsoDi(percorso(), lettera, numero);
}

std::optional<FileAperto> Cartella::apriCopia(QChar lettera, int numero, int lato) const {
    const int latoCopia = VistaFigura::latoCopia(lato);
    if (latoCopia == 0)
        return std::nullopt;
    return SafeFile::openRegular(
        VistaFigura::percorsoCopia(percorso(), latoCopia, FileViste::nome(lettera, numero)));
}

} // namespace LetturaViste
