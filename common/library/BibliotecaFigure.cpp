// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibliotecaFigure.h"

#include "EstrazioneLettera.h"
#include "FigureDecodificate.h"
#include "LavoriDiFondo.h"
#include "LetturaViste.h"
#include "RidecodificaViste.h"
#include "VistaFigura.h"
#include "common/platform/system/SafeFile.h"
#include "common/views/ConvenzioneFigure.h"

#include <QPointer>

struct BibliotecaFigure::Attesa {
    QPointer<const QObject> contesto;
    std::function<void(bool)> poi;
};

BibliotecaFigure::BibliotecaFigure(QString cartellaApplicazione, int latoPixel)
    : cartellaApplicazione_(std::move(cartellaApplicazione)),
      figure_(std::make_unique<FigureDecodificate>(cartella(), latoPixel)),
      fondo_(std::make_unique<LavoriDiFondo>(figure_->verificate())),
      ridecodifica_(std::make_unique<RidecodificaViste>(*figure_, *fondo_)) {}

BibliotecaFigure::~BibliotecaFigure() = default;

QString BibliotecaFigure::cartella() const {
    return cartellaApplicazione_ + QStringLiteral("/jpg");
}

QString BibliotecaFigure::percorso(QChar lettera, int numero) const {
    return figure_->percorso(lettera, numero);
}

bool BibliotecaFigure::figuraClasse(QChar lettera) const {
    return figure_->daClasse(lettera);
}

void BibliotecaFigure::impostaClasse(CartelleClasse cartelle) {
    classe_ = std::move(cartelle);
}

QStringList BibliotecaFigure::cartelleDi(QChar lettera) const {
    // The class's own figure first, whole from one folder; else the shipped one.
    QStringList cartelle;
    if (classe_)
        cartelle = classe_(lettera);
    cartelle << QString();
    return cartelle;
}

QChar BibliotecaFigure::estraiLettera(RandomSource& rnd) {
    QChar estratta;
    EstrazioneLettera::estrai(
        rnd, [this](QChar l, const auto&) { return std::optional(preparaLettera(l)); },
        [&estratta](QChar l) { estratta = l; });
    return estratta;
}

void BibliotecaFigure::estraiLettera(RandomSource& rnd, const QObject* contesto,
                                     std::function<void(QChar)> poi) {
    EstrazioneLettera::estrai(
        rnd,
        [this, contesto](QChar l, std::function<void(bool)> verdetto) {
            return preparaSenzaAttendere(l, contesto, std::move(verdetto));
        },
        std::move(poi));
}

bool BibliotecaFigure::preparaLettera(QChar lettera) {
    return *prova(lettera, 0, Grandi::subito, nullptr);
}

std::optional<bool> BibliotecaFigure::preparaSenzaAttendere(QChar lettera, const QObject* contesto,
                                                            std::function<void(bool)> poi) {
    fondo_->annullaLettura(); // a letter asked for before is no longer wanted
    return prova(lettera, 0, Grandi::diFondo,
                 std::make_shared<Attesa>(Attesa{contesto, std::move(poi)}));
}

bool BibliotecaFigure::inLettura() const {
    return fondo_->inLettura();
}

std::optional<bool> BibliotecaFigure::prova(QChar lettera, qsizetype da, Grandi grandi,
                                            const std::shared_ptr<Attesa>& attesa) {
    const QStringList cartelle = cartelleDi(lettera);
    for (qsizetype i = da; i < cartelle.size(); ++i) {
        const std::optional<bool> pronta =
            preparaDa(lettera, cartelle[i], grandi != Grandi::subito);
        if (!pronta) {
            if (grandi == Grandi::diFondo)
                leggiDiFondo(lettera, i, attesa);
            return std::nullopt;
        }
        if (*pronta)
            return true;
    }
    return false;
}

std::optional<bool> BibliotecaFigure::preparaDa(QChar lettera, const QString& cartellaClasse,
                                                bool rinvia) {
    FigureDecodificate& f = *figure_;
    f.scegli(lettera, cartellaClasse);
    // Tells whether the class folder was swapped for a new save while read.
    const auto prima =
        cartellaClasse.isEmpty() ? std::nullopt : SafeFile::identityOf(cartellaClasse);
    const LetturaViste::Lettura letta =
        LetturaViste::leggi(f.nomiDi(lettera), lettera, figure_->lato(),
                            {.tutte = false,
                             .parallelo = true,
                             .lette = &f,
                             .verificate = &f.verificate(),
                             .interrompi = nullptr,
                             .soloEsito = false,
                             .rinvia = rinvia});
    if (letta.rinviata)
        return std::nullopt;
    return concludi(lettera, cartellaClasse, prima, letta);
}

void BibliotecaFigure::leggiDiFondo(QChar lettera, qsizetype indice,
                                    const std::shared_ptr<Attesa>& attesa) {
    const QString cartellaClasse = cartelleDi(lettera).value(indice);
    const auto prima =
        cartellaClasse.isEmpty() ? std::nullopt : SafeFile::identityOf(cartellaClasse);
    const int lato = figure_->lato();
    fondo_->leggi({figure_->nomiDi(lettera), lettera, lato, figure_->copiaDi(lettera)},
                  [this, lettera, indice, attesa, cartellaClasse, prima,
                   lato](const LetturaViste::Lettura& letta) {
                      std::optional<bool> pronta;
                      if (lato != figure_->lato() ||
                          cartelleDi(lettera).value(indice) != cartellaClasse) {
                          // Read for boxes of another size, or the class changed: again.
                          pronta = prova(lettera, indice, Grandi::diFondo, attesa);
                      } else {
                          figure_->scegli(lettera, cartellaClasse);
                          pronta = concludi(lettera, cartellaClasse, prima, letta);
                          if (!*pronta)
                              pronta = prova(lettera, indice + 1, Grandi::diFondo, attesa);
                      }
                      if (pronta && attesa->contesto)
                          attesa->poi(*pronta);
                  });
}

bool BibliotecaFigure::concludi(QChar lettera, const QString& cartellaClasse,
                                const std::optional<SafeFile::Identity>& prima,
                                const LetturaViste::Lettura& letta) {
    // Saved again meanwhile: its views may come from both saves.
    const bool mostrabile =
        letta.inutilizzabili.isEmpty() &&
        (cartellaClasse.isEmpty() || SafeFile::identityOf(cartellaClasse) == prima);
    figure_->ricorda(lettera, letta, mostrabile);
    return mostrabile;
}

bool BibliotecaFigure::qualcheLettera() {
    // The letters read last are the quickest to check again.
    const QList<QChar>& recenti = figure_->recenti();
    QList<QChar> ordine(recenti.rbegin(), recenti.rend());
    for (int l = 0; l < ConvenzioneFigure::lettere; ++l)
        if (!ordine.contains(ConvenzioneFigure::lettera(l)))
            ordine << ConvenzioneFigure::lettera(l);
    for (QChar lettera : ordine)
        if (prova(lettera, 0, Grandi::rinvia, nullptr) != false)
            return true;
    return false;
}

PicturePtr BibliotecaFigure::immagine(QChar lettera, int numero) {
    // Decoded at the present side: as it is kept.
    if (PicturePtr p = figure_->immagine(lettera, numero)) {
        figure_->tieni(lettera);
        return p;
    }
    return ridecodifica_->immagine(lettera, numero);
}

int BibliotecaFigure::latoPixel() const {
    return figure_->lato();
}

void BibliotecaFigure::impostaLatoPixel(int lato) {
    figure_->impostaLato(lato);
}

void BibliotecaFigure::ridecodifica(const QList<PicturePtr>& mostrate, const QObject* contesto,
                                    std::function<void(const QList<PicturePtr>&)> poi) {
    ridecodifica_->ridecodifica(mostrate, contesto, std::move(poi));
}

VerificaFigure::Esito BibliotecaFigure::verifica() const {
    return VerificaFigure::verifica(cartella(), figure_->lato());
}
