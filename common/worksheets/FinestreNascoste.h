// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EsercizioStampato.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

class BibliotecaFigure;
class FinestraEsercizio;
class RandomSource;

// The program's own exercise windows, made and set up as the program does
// (Form_Activate, then a new exercise each time), never shown: the draws are
// the program's, from the generator given. A process with a QApplication.
class FinestreNascoste {
public:
    FinestreNascoste(const QString& cartellaApplicazione, RandomSource& rnd,
                     BibliotecaFigure& figure);
    ~FinestreNascoste();
    FinestreNascoste(const FinestreNascoste&) = delete;
    FinestreNascoste& operator=(const FinestreNascoste&) = delete;

    // The next exercise of that window as it shows it; nothing when it
    // cannot be printed, and errore() says why.
    std::optional<EsercizioStampato> prossimo(FinestraId finestra);
    QString errore() const { return errore_; }

private:
    struct Servizi;

    FinestraEsercizio* finestra(FinestraId id);
    // Until the exercise's letter is read, as its window waits for it.
    bool attendi(FinestraEsercizio& finestra);

    std::unique_ptr<Servizi> servizi_;
    std::map<FinestraId, std::unique_ptr<FinestraEsercizio>> finestre_;
    QString errore_;
};
