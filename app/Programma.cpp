#include "Programma.h"

#include "ControlloDati.h"

#include "common/FigureLibrary.h"
#include "common/FinestraEsercizio.h"
#include "common/Modulo1.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

void scarica(QWidget* window) {
    if (!window)
        return;
    window->hide();
    // The handler that asked for the change may still be running in it.
    window->deleteLater();
}

void centra(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace

Programma::Programma(RandomSource& rnd, MessageBoxService& messaggi, SoundPlayer& suoni,
                     FigureLibrary& figure, QString cartellaApplicazione, Fabbrica fabbrica,
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
                         ControlloDati::messaggioNessunaFigura(ctx_.figure.folder()));
        return;
    }
    QWidget* nuova = fabbrica_(finestra, ctx_);
    if (!nuova)
        return;
    nuova->setAttribute(Qt::WA_DeleteOnClose);
    QWidget* vecchia = corrente_;
    corrente_ = nuova;
    sorveglia(nuova);
    nuova->adjustSize();
    centra(*nuova);
    nuova->show();
    nuova->raise();
    nuova->activateWindow();
    // Activation runs once per opening, not whenever a message box closes.
    if (auto* finestraEsercizio = qobject_cast<FinestraEsercizio*>(nuova))
        finestraEsercizio->Form_Activate();
    scarica(vecchia);
}

void Programma::terminaProgramma() {
    sorveglia(nullptr);
    scarica(corrente_);
    corrente_ = nullptr;
    esci_();
}
