// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/ManualClock.h"
#include "doubles/RecordingAnnotazione.h"
#include "doubles/RecordingSoundPlayer.h"
#include "doubles/ScriptedMessageBox.h"
#include "doubles/ScriptedRandom.h"

#include "app/Programma.h"
#include "common/library/BibliotecaFigure.h"

#include <memory>
#include <optional>

class ImageBox;
class QAbstractButton;

// The whole program with scripted services: real windows, real pictures,
// scripted random values and message boxes, recorded sounds.
class TestBench {
public:
    explicit TestBench(const QString& applicationFolder = QStringLiteral(VORTELIA_APP_DIR));
    // The same program with its windows made by `fabbrica`, and its message
    // boxes shown by `boxes` rather than scripted, when given.
    explicit TestBench(Programma::Fabbrica fabbrica, MessageBoxService* boxes = nullptr);
    // The class whose names "Chi sei?" offers.
    struct Classe {
        QStringList nomi;
    };
    // The program with the class record on, kept in `registro`.
    explicit TestBench(Classe classe);
    // The program writing into this record, not into `registro`.
    explicit TestBench(RegistroInUso inUso);
    ~TestBench();

    ScriptedRandom rnd;
    ScriptedMessageBox messaggi;
    RecordingSoundPlayer suoni;
    // What the program plays through: the settings and Ctrl+M switch it.
    SoundSwitch interruttore{suoni};
    BibliotecaFigure figure;
    RecordingAnnotazione registro;
    // What the record's entries are timed by.
    ManualClock orologio;
    Programma programma;
    int quitCalls = 0;

    Contesto& ctx() { return programma.contesto(); }
    StatoCondiviso& stato() { return programma.stato(); }
    // From the next window on, the program runs with these settings.
    void impostazioni(const Impostazioni& valori) {
        programma.setImpostazioni([valori] { return valori; });
    }

    // With the record on: opens "Chi sei?" as "Avvio" does and clicks the
    // pupil's name; false when it is not there.
    bool chiSei(const QString& alunno);

    // Opens a window through the program, as a menu button would.
    template <typename W> W* open(FinestraId id) {
        programma.mostra(id);
        flush();
        return qobject_cast<W*>(programma.finestraCorrente());
    }
    QWidget* current() const { return programma.finestraCorrente(); }

    // Lets deferred deletions of unloaded windows happen.
    static void flush();
    // On Wayland, until every window on show has had the compositor's answer
    // to the frame it last drew.
    static void settleFrames();
    // Closes every window a test left open, and lets them go.
    static void closeAll();
    // The program's windows on screen.
    static int visibleWindows();

    // How long a test waits for work done beside it (decoding pictures and
    // sounds): generous, since only a failing test waits that long.
    static constexpr int backgroundDeadline = 30000;

    static void click(QWidget* widget);
    // A quick double tap, through the window system as a real mouse gives it:
    // press, release, double click, release. The window must be shown.
    static void doubleClick(QWidget* widget);

private:
    TestBench(const QString& applicationFolder, Programma::Fabbrica fabbrica,
              MessageBoxService* boxes, const std::optional<Classe>& classe = std::nullopt,
              RegistroInUso inUso = {});
};
