// SPDX-License-Identifier: GPL-3.0-or-later
#include "Programma.h"

#include "ControlloDati.h"

#include "common/library/BibliotecaFigure.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/Modulo1.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/platform/widgets/ScreenFit.h"

#include <QKeySequence>
#include <QShortcut>

namespace {

void scarica(QWidget* window) {
    if (!window)
        return;
    window->hide();
    // The handler that asked for the change may still be running in it.
    window->deleteLater();
}

constexpr Qt::WindowStates statiTrasmessi = Qt::WindowMaximized | Qt::WindowFullScreen;

// F11 puts the window in full screen and back, to the state it had before.
void conSchermoIntero(QWidget& window, FullScreen schermoIntero) {
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), &window);
    QObject::connect(f11, &QShortcut::activated, &window,
                     [&window, schermoIntero] { schermoIntero.toggle(window); });
}

} // namespace

Programma::Programma(RandomSource& rnd, MessageBoxService& messaggi, SoundPlayer& suoni,
                     BibliotecaFigure& figure, QString cartellaApplicazione, Fabbrica fabbrica,
                     std::function<void()> esci)
    : ctx_{rnd,          messaggi, suoni, figure,
           memorizzate_, stato_,   *this, std::move(cartellaApplicazione)},
      fabbrica_(std::move(fabbrica)), esci_(std::move(esci)) {}

Programma::~Programma() {
    QObject::disconnect(sorveglianza_);
    delete corrente_.data();
}

void Programma::sorveglia(QWidget* finestra) {
    QObject::disconnect(sorveglianza_);
    if (finestra)
        sorveglianza_ =
            QObject::connect(finestra, &QObject::destroyed, [this] { finestraPersa(); });
}

void Programma::finestraPersa() {
    sorveglianza_ = {};
    corrente_ = nullptr;
    esci_();
}

void Programma::mostra(FinestraId finestra) {
    const bool esercizio = finestra != FinestraId::FormAvvio && finestra != FinestraId::FormMenu;
    if (esercizio && !ctx_.figure.qualcheLettera()) {
        // No figure can be shown: say so and stay where we are, rather than
        // open a window of empty boxes.
        Modulo1::informa(ctx_, corrente_,
                         ControlloDati::messaggioNessunaFigura(ctx_.figure.cartella()));
        return;
    }
    QWidget* nuova = fabbrica_(finestra, ctx_);
    if (!nuova)
        return;
    nuova->setAttribute(Qt::WA_DeleteOnClose);
    QWidget* vecchia = corrente_;
    corrente_ = nuova;
    sorveglia(nuova);
    // A teacher who set full screen once keeps it from window to window.
    const Qt::WindowStates stato =
        (vecchia ? vecchia->windowState() : statoIniziale_) & statiTrasmessi;
    nuova->adjustSize();
    ScreenFit::place(*nuova, vecchia);
    conSchermoIntero(*nuova, schermoIntero_);
    schermoIntero_.prepare(*nuova, stato);
    nuova->show();
    nuova->raise();
    nuova->activateWindow();
    // Activation runs once per opening, not whenever a message box closes.
    if (auto* finestraEsercizio = qobject_cast<FinestraEsercizio*>(nuova))
        finestraEsercizio->Form_Activate();
    scarica(vecchia);
}

void Programma::figurePerse() {
    Modulo1::informa(ctx_, corrente_, ControlloDati::messaggioFigurePerse(ctx_.figure.cartella()));
    mostra(FinestraId::FormMenu);
    stato_.azzera();
}

void Programma::terminaProgramma() {
    sorveglia(nullptr);
    scarica(corrente_);
    corrente_ = nullptr;
    esci_();
}
