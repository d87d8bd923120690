// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaViste.h"

#include "MisureViste.h"
#include "common/platform/services/ParallelFor.h"

#include <algorithm>

namespace LetturaViste {

using ConvenzioneFigure::viste;
using VistaFigura::FileAperto;
using VistaFigura::Firma;

const Voce* GiaLetteCopiate::gia(QChar l, int numero, const Firma& firma) const {
    const std::optional<Voce>& voce = voci[std::size_t(numero - 1)];
    return l == lettera && voce && voce->firma == firma ? &*voce : nullptr;
}

bool GiaLetteCopiate::scartato(QChar l, int numero, const Firma& firma) const {
    return l == lettera && scartati[std::size_t(numero - 1)] == firma;
}

qint64 pixel(const QList<QSize>& misure) {
    qint64 n = 0;
    for (QSize m : misure)
        n += qint64(m.width()) * m.height();
    return n;
}

bool piccole(const QList<QSize>& misure) {
    return std::all_of(misure.begin(), misure.end(),
                       [](QSize m) { return qint64(m.width()) * m.height() <= pixelInParallelo; });
}

bool decodificaTutte(int count, bool parallelo, const std::atomic_bool* interrompi,
                     const std::function<void(int)>& decodifica) {
    if (parallelo) {
        ParallelFor::run(count, decodifica);
        return true;
    }
    for (int k = 0; k < count; ++k) {
        if (interrompi && interrompi->load())
            return false;
        decodifica(k);
    }
    return true;
}

Lettura leggi(Cartella& nomi, QChar lettera, int lato, const Modo& modo) {
    const bool tutte = modo.tutte;
    const GiaLette* lette = modo.lette;
    const std::atomic_bool* interrompi = modo.interrompi;
    Lettura esito;
    const auto finito = [&esito]() -> Lettura& {
        std::sort(esito.inutilizzabili.begin(), esito.inutilizzabili.end());
        return esito;
    };
    std::array<std::optional<FileAperto>, viste> aperti;
    // Opening first is cheap and finds a missing or known bad file before
    // any decoding.
    for (int i = 0; i < viste; ++i) {
        aperti[i] = nomi.apri(lettera, i + 1, &esito.nomi[i]);
        if (aperti[i])
            esito.voci[i].firma = aperti[i]->identity;
        if (!aperti[i] || (lette && lette->scartato(lettera, i + 1, aperti[i]->identity))) {
            esito.inutilizzabili << i + 1;
            aperti[i].reset();
            if (!tutte)
                return esito;
        }
    }
    // Then the sizes, from the headers alone: a view too large, too small or
    // unlike the others costs no decoding.
    std::array<QSize, viste> misure;
    QList<int> lavori; // the views to decode
    for (int i = 0; i < viste; ++i) {
        if (!aperti[i])
            continue;
        if (interrompi && interrompi->load()) {
            esito.interrotta = true;
            return esito;
        }
        if (const Voce* voce = lette ? lette->gia(lettera, i + 1, aperti[i]->identity) : nullptr) {
            esito.voci[i] = *voce;
            misure[i] = voce->originale;
            continue;
        }
        misure[i] = VistaFigura::misura(*aperti[i]);
        esito.voci[i].originale = misure[i];
        if (misure[i].isValid()) {
            lavori << i;
            continue;
        }
        esito.inutilizzabili << i + 1;
        esito.illeggibili << i + 1;
        if (!tutte)
            return esito;
    }
    for (int numero : MisureViste::fuoriMisura(misure)) {
        esito.inutilizzabili << numero;
        esito.voci[numero - 1].immagine = nullptr;
        lavori.removeOne(numero - 1);
    }
    if (!tutte && !esito.inutilizzabili.isEmpty())
        return finito();

    QList<QSize> daLeggere;
    for (int i : std::as_const(lavori))
        daLeggere << misure[i];
    if (modo.rinvia && pixel(daLeggere) > pixelSubito) {
        esito.rinviata = true;
        return finito();
    }
    std::array<bool, viste> decodificata{};
    const auto decodifica = [&](int k) {
        const int i = lavori[k];
        // The copy is opened here, beside the other views' jobs: for a small
        // view, opening is a good part of what it costs.
        PicturePtr immagine =
            VistaFigura::decodifica(*aperti[i], misure[i], nomi.apriCopia(lettera, i + 1, lato),
                                    lato, nomi.chiave(lettera, i + 1), modo.verificate);
        decodificata[i] = immagine != nullptr;
        if (!modo.soloEsito)
            esito.voci[i].immagine = std::move(immagine);
    };
    if (!decodificaTutte(int(lavori.size()), modo.parallelo && piccole(daLeggere), interrompi,
                         decodifica)) {
        esito.interrotta = true;
        return esito;
    }
    for (int i : std::as_const(lavori))
        if (!decodificata[i]) {
            esito.inutilizzabili << i + 1;
            esito.illeggibili << i + 1;
        }
    return finito();
}

std::optional<DaDecodificare> daDecodificare(Cartella& cartella, QChar lettera, int numero,
                                             int lato) {
    auto aperto = cartella.apri(lettera, numero);
    if (!aperto)
        return std::nullopt;
    const QSize misura = VistaFigura::misura(*aperto);
    if (!misura.isValid())
        return std::nullopt;
    return DaDecodificare{lettera,
                          numero,
                          std::move(*aperto),
                          misura,
                          cartella.apriCopia(lettera, numero, lato),
                          cartella.chiave(lettera, numero),
                          nullptr};
}

QList<QSize> misure(const std::vector<DaDecodificare>& viste) {
    QList<QSize> m;
    for (const DaDecodificare& x : viste)
        m << x.misura;
    return m;
}

bool decodifica(std::vector<DaDecodificare>& viste, int lato,
                VistaFigura::CopieVerificate* verificate, const std::atomic_bool* interrompi) {
    return decodificaTutte(int(viste.size()), piccole(misure(viste)), interrompi, [&](int k) {
        DaDecodificare& x = viste[std::size_t(k)];
        x.immagine = VistaFigura::decodifica(x.vista, x.misura, std::move(x.copia), lato, x.chiave,
                                             verificate);
    });
}

} // namespace LetturaViste
