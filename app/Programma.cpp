// SPDX-License-Identifier: GPL-3.0-or-later
#include "Programma.h"

#include "ControlloDati.h"
#include "FormChiSei.h"
#include "TastiProgramma.h"

#include "common/Modulo1.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/platform/widgets/ScreenFit.h"

#include <QApplication>
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

// F11 puts the window in full screen and back, to the state it had before;
// not while pupils cannot quit.
void conSchermoIntero(QWidget& window, FullScreen schermoIntero, bool bloccato) {
    if (bloccato)
        return;
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), &window);
    QObject::connect(f11, &QShortcut::activated, &window,
                     [&window, schermoIntero] { schermoIntero.toggle(window); });
}

} // namespace

Programma::Programma(RandomSource& rnd, MessageBoxService& messaggi, SoundSwitch& suoni,
                     BibliotecaFigure& figure, QString cartellaApplicazione, Fabbrica fabbrica,
                     std::function<void()> esci, RegistroInUso registro, const Clock* orologio)
    : registrazione_(std::move(registro), orologio ? *orologio : orologioSistema_),
      suoni_(suoni), ctx_{rnd,           messaggi,      suoni, figure,
                          memorizzate_,  stato_,        *this, std::move(cartellaApplicazione),
                          impostazioni_, registrazione_},
      fabbrica_(std::move(fabbrica)), esci_(std::move(esci)),
      tasti_(std::make_unique<TastiProgramma>()) {
    QCoreApplication::instance()->installEventFilter(tasti_.get());
    QObject::connect(tasti_.get(), &TastiProgramma::silenzio, [this] { silenzio(); });
    QObject::connect(tasti_.get(), &TastiProgramma::uscita, [this] { uscitaInsegnante(); });
    if (const auto nomi = FormChiSei::inOrdine(registrazione_.nomi()).size();
        registrazione_.chiedeAlunno() && nomi > layoutChiSei.massimoNomi())
        qWarning("Registro: la classe ha %d nomi, \"Chi sei?\" mostra i primi %d.", int(nomi),
                 layoutChiSei.massimoNomi());
}

Programma::~Programma() {
    registrazione_.finisci();
    QObject::disconnect(sorveglianza_);
    tasti_->setFinestra(nullptr);
    delete corrente_.data();
}

void Programma::setImpostazioni(FonteImpostazioni fonte) {
    fonte_ = std::move(fonte);
    leggiImpostazioni();
}

void Programma::leggiImpostazioni() {
    if (fonte_)
        impostazioni_ = fonte_();
    suoni_.setEnabled(impostazioni_.suoniAttivi);
    suoni_.setVolume(impostazioni_.volume / 100.0);
    tasti_->setBloccato(impostazioni_.blocco);
}

QString Programma::descrizioneSilenzio(bool muto) {
    return muto ? QStringLiteral("Suoni tolti: %1 li rimette")
                      .arg(TastiProgramma::tastoSilenzio().toString(QKeySequence::NativeText))
                : QString();
}

void Programma::silenzio() {
    suoni_.setMuted(!suoni_.muted());
    if (corrente_)
        corrente_->setAccessibleDescription(descrizioneSilenzio(suoni_.muted()));
}

void Programma::uscitaInsegnante() {
    if (impostazioni_.blocco && corrente_ &&
        Modulo1::chiedi(ctx_, corrente_, QStringLiteral("Vuoi uscire dal programma?")))
        terminaProgramma();
}

void Programma::sorveglia(QWidget* finestra) {
    QObject::disconnect(sorveglianza_);
    if (finestra)
        sorveglianza_ =
            QObject::connect(finestra, &QObject::destroyed, [this] { finestraPersa(); });
}

void Programma::finestraPersa() {
    registrazione_.finisci();
    sorveglianza_ = {};
    corrente_ = nullptr;
    esci_();
}

FinestraId Programma::daAprire(FinestraId finestra) const {
    const bool senzaNome = registrazione_.chiedeAlunno() && registrazione_.alunno().isEmpty();
    return finestra == FinestraId::FormMenu && senzaNome ? FinestraId::FormChiSei : finestra;
}

void Programma::alunnoScelto(const QString& alunno) {
    registrazione_.inizia(alunno);
    mostra(FinestraId::FormMenu);
}

void Programma::mostra(FinestraId chiesta) {
    const FinestraId finestra = daAprire(chiesta);
    const bool esercizio = numeroEsercizio(finestra) != 0;
    if (esercizio && !ctx_.figure.qualcheLettera()) {
        // No figure can be shown: say so and stay where we are, rather than
        // open a window of empty boxes.
        Modulo1::informa(ctx_, corrente_,
                         ControlloDati::messaggioNessunaFigura(ctx_.figure.cartella()));
        return;
    }
    leggiImpostazioni();
    QWidget* nuova = fabbrica_(finestra, ctx_);
    if (!nuova)
        return;
    // Back at the start window the pupil has finished; the next says who they are.
    if (finestra == FinestraId::FormAvvio)
        registrazione_.finisci();
    if (auto* chiSei = qobject_cast<FormChiSei*>(nuova))
        QObject::connect(chiSei, &FormChiSei::scelto, chiSei,
                         [this](const QString& alunno) { alunnoScelto(alunno); });
    nuova->setAttribute(Qt::WA_DeleteOnClose);
    tasti_->setFinestra(nuova);
    if (suoni_.muted())
        nuova->setAccessibleDescription(descrizioneSilenzio(true));
    QWidget* vecchia = corrente_;
    corrente_ = nuova;
    sorveglia(nuova);
    // A teacher who set full screen once keeps it from window to window.
    // Pupils who cannot quit cannot leave full screen either.
    const bool bloccato = impostazioni_.blocco;
    const Qt::WindowStates iniziale =
        impostazioni_.schermoIntero || bloccato ? Qt::WindowFullScreen : statoIniziale_;
    const Qt::WindowStates stato =
        (vecchia && !bloccato ? vecchia->windowState() : iniziale) & statiTrasmessi;
    nuova->adjustSize();
    ScreenFit::place(*nuova, vecchia);
    conSchermoIntero(*nuova, schermoIntero_, bloccato);
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
    registrazione_.finisci();
    sorveglia(nullptr);
    scarica(corrente_);
    corrente_ = nullptr;
    esci_();
}
