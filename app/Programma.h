// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Contesto.h"
#include "common/FigureMemorizzate.h"
#include "common/Navigatore.h"
#include "common/Registrazione.h"
#include "common/StatoCondiviso.h"
#include "common/platform/services/Clock.h"
#include "common/platform/sound/SoundSwitch.h"
#include "common/platform/system/FullScreen.h"
#include "common/settings/Impostazioni.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class TastiProgramma;

// Owns the shared state and the one open window, and moves between windows.
// With the class record on, "Avvio" asks "Chi sei?" before the menu, and the
// pupil's name holds until the start window is back.
class Programma : public Navigatore {
public:
    using Fabbrica = std::function<QWidget*(FinestraId, Contesto&)>;

    // registro: the class record and the class's names; off when not given.
    // orologio: the clock the record's entries are timed by; the system's
    // when not given.
    Programma(RandomSource& rnd, MessageBoxService& messaggi, SoundSwitch& suoni,
              BibliotecaFigure& figure, QString cartellaApplicazione, Fabbrica fabbrica,
              std::function<void()> esci, RegistroInUso registro = {},
              const Clock* orologio = nullptr);
    ~Programma() override;
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    Contesto& contesto() { return ctx_; }
    StatoCondiviso& stato() { return stato_; }
    const Registrazione& registrazione() const { return registrazione_; }
    QWidget* finestraCorrente() const { return corrente_; }

    // Where the settings come from: read again before each window opens, so
    // that what a teacher saved meanwhile applies from the next window on.
    // Without it, the program is as with no settings at all.
    using FonteImpostazioni = std::function<Impostazioni()>;
    void setImpostazioni(FonteImpostazioni fonte);
    const Impostazioni& impostazioni() const { return impostazioni_; }

    // The state (normal, maximised, full screen) the first window opens in;
    // every later window takes the state of the one it replaces.
    void setStatoIniziale(Qt::WindowStates stato) { statoIniziale_ = stato; }
    // Whether a window manager gives full screen; without one the program
    // gives it itself.
    void setGestoreFinestre(std::function<bool()> presente) {
        schermoIntero_ = FullScreen(std::move(presente));
    }

    void mostra(FinestraId finestra) override;
    void figurePerse() override;
    void terminaProgramma() override;

private:
    // A window that disappears without Programma's asking (deleted, or its
    // native window destroyed by another program) was the last one open: the
    // program ends, as when its last window is closed.
    void sorveglia(QWidget* finestra);
    void finestraPersa();
    void leggiImpostazioni();
    // Ctrl+M: the sounds off, or back on.
    void silenzio();
    // The teacher's way out when pupils cannot quit.
    void uscitaInsegnante();
    // The window to open for the one asked: "Chi sei?" before the menu while
    // the record waits for a name.
    FinestraId daAprire(FinestraId finestra) const;
    // The pupil picked their name in "Chi sei?".
    void alunnoScelto(const QString& alunno);

    static QString descrizioneSilenzio(bool muto);

    StatoCondiviso stato_;
    FigureMemorizzate memorizzate_;
    Impostazioni impostazioni_;
    SystemClock orologioSistema_;
    Registrazione registrazione_;
    SoundSwitch& suoni_;
    Contesto ctx_;
    Fabbrica fabbrica_;
    std::function<void()> esci_;
    QPointer<QWidget> corrente_;
    Qt::WindowStates statoIniziale_ = Qt::WindowNoState;
    FullScreen schermoIntero_;
    QMetaObject::Connection sorveglianza_;
    FonteImpostazioni fonte_;
    std::unique_ptr<TastiProgramma> tasti_;
};
