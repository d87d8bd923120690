// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LetturaViste.h"
#include "common/platform/services/Picture.h"

#include <QChar>
#include <QList>

#include <functional>
#include <vector>

class FigureDecodificate;
class LavoriDiFondo;
class QObject;

// Decoding again the pictures that are no longer decoded at the boxes' side:
// one a box asks for, or all those on show once the side changes. Large ones
// are decoded on another thread while the boxes go on showing theirs.
class RidecodificaViste {
public:
    RidecodificaViste(FigureDecodificate& figure, LavoriDiFondo& fondo)
        : figure_(figure), fondo_(fondo) {}

    // Null when the file is missing or cannot be decoded.
    PicturePtr immagine(QChar lettera, int numero);
    // As BibliotecaFigure::ridecodifica says.
    void ridecodifica(const QList<PicturePtr>& mostrate, const QObject* contesto,
                      std::function<void(const QList<PicturePtr>&)> poi);

private:
    // Those of the pictures that are not decoded yet, opened.
    std::vector<LetturaViste::DaDecodificare> mancanti(const QList<std::pair<QChar, int>>& quali);
    void aggiungi(std::vector<LetturaViste::DaDecodificare>& decodificate);

    FigureDecodificate& figure_;
    LavoriDiFondo& fondo_;
};
