// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the rows measured in this process share: the program's services, a
// program made on them, the bare Qt labels of the baselines and the clock.

#include "support/TestBench.h"

#include "app/Programma.h"
#include "common/FinestraId.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/sound/QtSoundPlayer.h"
#include "common/platform/sound/SoundSwitch.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QLabel>
#include <QList>
#include <QString>
#include <QWidget>

#include <chrono>

namespace Bench {

template <typename F> double microseconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count();
}

// The services app/main.cpp makes, with a fixed seed so that runs compare.
struct Services {
    QString folder;
    // The side figure boxes need at the normal size on this screen.
    int pixelSide;
    ClockRandom rnd;
    QtMessageBox messaggi;
    QtSoundPlayer suoni;
    SoundSwitch interruttore{suoni};
    QString soundStates; // of the QSoundEffects behind the clicks' sounds

    Services();
};

// A program: its picture library and its window keeper.
struct Instance {
    BibliotecaFigure figure;
    Programma programma;

    explicit Instance(Services& s) : Instance(s, s.folder) {}
    Instance(Services& s, const QString& folder);

    void decodeEveryPicture();

    template <typename W> W* open(FinestraId id) {
        programma.mostra(id);
        TestBench::flush();
        return qobject_cast<W*>(programma.finestraCorrente());
    }
};

// N labels the size of a figure box, as plain Qt shows N pictures.
struct BareLabels {
    QWidget window;
    QList<QLabel*> labels;

    explicit BareLabels(int n);
};

// The view `n` of the letter `sample` stands for, in `folder`'s jpg/.
QString jpg(const QString& folder, int sample, int n);

// A window did not do what the measure waits for: the run stops.
[[noreturn]] void broken(const char* what);

} // namespace Bench
