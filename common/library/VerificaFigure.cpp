// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerificaFigure.h"

#include "common/views/ConvenzioneFigure.h"
#include "LetturaViste.h"

VerificaFigure::Esito VerificaFigure::verifica(const QString& cartella, int latoPixel,
                                               const std::atomic_bool* interrompi) {
    Esito esito;
    LetturaViste::Cartella nomi(cartella);
    for (int l = 0; l < ConvenzioneFigure::lettere; ++l) {
        const LetturaViste::Lettura letta =
            LetturaViste::leggi(nomi, ConvenzioneFigure::lettera(l), latoPixel,
                                {.tutte = true,
                                 .parallelo = false,
                                 .lette = nullptr,
                                 .verificate = nullptr,
                                 .interrompi = interrompi,
                                 .soloEsito = true});
        if (letta.interrotta) {
            esito.interrotto = true;
            break;
        }
        for (int n : letta.inutilizzabili)
            esito.inutilizzabili << letta.nomi[n - 1];
        if (letta.inutilizzabili.isEmpty())
            ++esito.lettereUtilizzabili;
    }
    return esito;
}
