// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LetturaViste.h"
#include "VistaFigura.h"
#include "common/platform/services/BackgroundTask.h"

#include <QChar>

#include <functional>
#include <vector>

// The library's work that would hold the window for more than a frame, done
// on threads of their own: reading a letter of large views for a set-up, and
// decoding large pictures on show again for a new side. Each works on copies
// of what the library knows and hands its result back on this thread; a new
// one of either kind cancels the one of its kind before.
class LavoriDiFondo {
public:
    // A letter to read from `cartella` for boxes of `lato` pixels, with the
    // pictures already decoded and the files found unusable before.
    struct Lettera {
        LetturaViste::Cartella cartella;
        QChar lettera;
        int lato = 0;
        LetturaViste::GiaLetteCopiate lette;
    };
    using Viste = std::vector<LetturaViste::DaDecodificare>;

    // `verificate` must outlive this object.
    explicit LavoriDiFondo(VistaFigura::CopieVerificate& verificate) : verificate_(verificate) {}

    void leggi(Lettera lettera, std::function<void(const LetturaViste::Lettura&)> poi);
    void annullaLettura() { lettura_.cancel(); }
    bool inLettura() const { return lettura_.busy(); }

    void decodifica(Viste viste, int lato, std::function<void(Viste&)> poi);
    void annullaDecodifica() { decodifica_.cancel(); }

private:
    VistaFigura::CopieVerificate& verificate_;
    BackgroundTask lettura_;
    BackgroundTask decodifica_;
};
