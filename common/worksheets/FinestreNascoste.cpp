// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestreNascoste.h"

#include "LetturaEsercizio.h"
#include "common/Contesto.h"
#include "common/FigureMemorizzate.h"
#include "common/Navigatore.h"
#include "common/Registrazione.h"
#include "common/StatoCondiviso.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/services/Clock.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/platform/sound/SoundPlayer.h"
#include "common/settings/Impostazioni.h"
#include "exercises/FinestreEsercizi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace {

// Nobody answers, hears or moves on: the windows are only set up.
class Silenzio : public SoundPlayer {
public:
    void play(const QString&) override {}
    void setVolume(double) override {}
};

class NessunaRisposta : public MessageBoxService {
public:
    Answer show(QWidget*, const Request&) override { return Answer::No; }
};

class NavigatoreFermo : public Navigatore {
public:
    void mostra(FinestraId) override {}
    void figurePerse() override { perse = true; }
    void terminaProgramma() override {}
    bool perse = false;
};

// How long a letter's pictures may take to be read: only a broken disk waits that long.
constexpr int attesaMassima = 30000;

} // namespace

struct FinestreNascoste::Servizi {
    Servizi(const QString& cartella, RandomSource& rnd, BibliotecaFigure& figure)
        : ctx{rnd,   messaggi,   suoni,    figure,       memorizzate,
              stato, navigatore, cartella, impostazioni, registrazione} {}

    Silenzio suoni;
    NessunaRisposta messaggi;
    NavigatoreFermo navigatore;
    FigureMemorizzate memorizzate;
    StatoCondiviso stato;
    Impostazioni impostazioni;
    // A sheet is nobody's answers: no record.
    SystemClock orologio;
    Registrazione registrazione{{}, orologio};
    Contesto ctx;
};

FinestreNascoste::FinestreNascoste(const QString& cartellaApplicazione, RandomSource& rnd,
                                   BibliotecaFigure& figure)
    : servizi_(std::make_unique<Servizi>(cartellaApplicazione, rnd, figure)) {}

FinestreNascoste::~FinestreNascoste() = default;

FinestraEsercizio* FinestreNascoste::finestra(FinestraId id) {
    if (auto trovata = finestre_.find(id); trovata != finestre_.end())
        return trovata->second.get();
    Contesto& ctx = servizi_->ctx;
    FinestraEsercizio* nuova = creaEsercizio(id, ctx);
    if (!nuova)
        return nullptr;
    finestre_[id].reset(nuova);
    // As the program opens a window: its first exercise comes with it.
    nuova->Form_Activate();
    return nuova;
}

bool FinestreNascoste::attendi(FinestraEsercizio& finestra) {
    const QDeadlineTimer scadenza(attesaMassima);
    // Wakes the loop now and then, so that the deadline is seen.
    QTimer sveglia;
    sveglia.start(100);
    while (finestra.inAttesa() && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !finestra.inAttesa();
}

std::optional<EsercizioStampato> FinestreNascoste::prossimo(FinestraId id) {
    const bool aperta = finestre_.count(id) > 0;
    FinestraEsercizio* w = finestra(id);
    if (!w) {
        errore_ = QStringLiteral("La finestra scelta non è un esercizio.");
        return std::nullopt;
    }
    // "avanti", as the pupil moves on to the next exercise.
    if (aperta)
        w->NuovoEsercizio();
    if (!attendi(*w)) {
        errore_ = QStringLiteral("Le figure non si finiscono di leggere: il disco non risponde.");
        return std::nullopt;
    }
    if (servizi_->navigatore.perse) {
        errore_ = QStringLiteral("Nessuna figura si può leggere: la cartella jpg delle figure "
                                 "manca o è rovinata.");
        return std::nullopt;
    }
    EsercizioStampato letto = LetturaEsercizio::leggi(*w, servizi_->stato);
    if (!LetturaEsercizio::completo(letto)) {
        errore_ = QStringLiteral("Una figura dell'esercizio non si può leggere.");
        return std::nullopt;
    }
    return letto;
}
