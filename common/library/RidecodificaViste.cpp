// SPDX-License-Identifier: GPL-3.0-or-later
#include "RidecodificaViste.h"

#include "FigureDecodificate.h"
#include "LavoriDiFondo.h"

#include <QPointer>

#include <algorithm>

using LetturaViste::DaDecodificare;

std::vector<DaDecodificare> RidecodificaViste::mancanti(const QList<std::pair<QChar, int>>& quali) {
    std::vector<DaDecodificare> lavori;
    for (const auto& [lettera, numero] : quali) {
        if (figure_.decodificata(lettera, numero) ||
            std::any_of(lavori.begin(), lavori.end(), [&](const DaDecodificare& x) {
                return x.lettera == lettera && x.numero == numero;
            }))
            continue;
        if (auto lavoro = LetturaViste::daDecodificare(figure_.nomiDi(lettera), lettera, numero,
                                                       figure_.lato()))
            lavori.push_back(std::move(*lavoro));
    }
    return lavori;
}

void RidecodificaViste::aggiungi(std::vector<DaDecodificare>& decodificate) {
    for (DaDecodificare& x : decodificate)
        if (x.immagine && !figure_.decodificata(x.lettera, x.numero))
            figure_.aggiungi(x.lettera, x.numero,
                             {std::move(x.immagine), x.misura, x.vista.identity});
}

PicturePtr RidecodificaViste::immagine(QChar lettera, int numero) {
    figure_.tieni(lettera);
    std::vector<DaDecodificare> lavori = mancanti({{lettera, numero}});
    LetturaViste::decodifica(lavori, figure_.lato(), &figure_.verificate(), nullptr);
    aggiungi(lavori);
    return figure_.immagine(lettera, numero);
}

void RidecodificaViste::ridecodifica(const QList<PicturePtr>& mostrate, const QObject* contesto,
                                     std::function<void(const QList<PicturePtr>&)> poi) {
    QList<std::pair<QChar, int>> quali;
    QList<std::pair<QChar, int>> daDecodificare;
    for (const PicturePtr& shown : mostrate) {
        quali << figure_.vista(shown);
        if (!quali.last().first.isNull())
            daDecodificare << quali.last();
    }
    // What the boxes are to show, from the pictures decoded at this side.
    const auto nuove = [this, mostrate, quali] {
        QList<PicturePtr> n;
        for (qsizetype i = 0; i < mostrate.size(); ++i) {
            PicturePtr again = quali[i].first.isNull()
                                   ? nullptr
                                   : figure_.immagine(quali[i].first, quali[i].second);
            n << (again ? again : mostrate[i]);
        }
        return n;
    };
    for (const auto& vista : std::as_const(daDecodificare))
        figure_.tieni(vista.first);
    std::vector<DaDecodificare> lavori = mancanti(daDecodificare);
    const int lato = figure_.lato();
    if (LetturaViste::pixel(LetturaViste::misure(lavori)) <= LetturaViste::pixelSubito) {
        fondo_.annullaDecodifica();
        // All at once, so that they are decoded side by side.
        LetturaViste::decodifica(lavori, lato, &figure_.verificate(), nullptr);
        aggiungi(lavori);
        poi(nuove());
        return;
    }
    fondo_.decodifica(std::move(lavori), lato,
                      [this, lato, nuove, contesto = QPointer<const QObject>(contesto),
                       poi](LavoriDiFondo::Viste& decodificate) {
                          if (lato != figure_.lato() || !contesto)
                              return; // a newer side asks again
                          aggiungi(decodificate);
                          poi(nuove());
                      });
}
