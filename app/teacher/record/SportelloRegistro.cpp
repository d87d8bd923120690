// SPDX-License-Identifier: GPL-3.0-or-later
#include "SportelloRegistro.h"

#include "PaginaRegistro.h"
#include "PannelliRegistro.h"
#include "PannelloCancellazione.h"

#include "common/Modulo1.h"
#include "common/platform/services/MessageBoxService.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>

namespace {

// Stretching a password and reading a school year take a second or two on
// this thread: the teacher sees the program is at work, not stuck.
struct CursoreAttesa {
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
    CursoreAttesa(const CursoreAttesa&) = delete;
    CursoreAttesa& operator=(const CursoreAttesa&) = delete;
};

} // namespace

SportelloRegistro::SportelloRegistro(AccessoRegistro accesso, MessageBoxService& messaggi,
                                     const Clock* orologio, QDate oggi, QWidget* parent)
    : QWidget(parent), accesso_(std::move(accesso)), messaggi_(messaggi),
      tentativi_(orologio ? *orologio : sistema_), oggi_(oggi) {
    setAccessibleName(QStringLiteral("Registro"));
    pile_ = new QStackedLayout(this);
    pile_->setContentsMargins(0, 0, 0, 0);
    attivazione_ = new PannelloAttivazione;
    apertura_ = new PannelloApertura;
    pile_->addWidget(attivazione_);
    pile_->addWidget(apertura_);
    connect(attivazione_, &PannelloAttivazione::attivazioneChiesta, this,
            &SportelloRegistro::attiva);
    connect(attivazione_, &PannelloAttivazione::codiceScritto, this, [this] {
        pile_->setCurrentWidget(apertura_);
        apertura_->Password->setFocus();
    });
    connect(apertura_, &PannelloApertura::aperturaChiesta, this, &SportelloRegistro::apri);
    connect(apertura_, &PannelloApertura::recuperoChiesto, this, &SportelloRegistro::recupera);
    pile_->setCurrentWidget(accesso_.attivato() ? static_cast<QWidget*>(apertura_) : attivazione_);
}

SportelloRegistro::~SportelloRegistro() = default;

void SportelloRegistro::attiva(const QStringList& nomi, const QString& password) {
    const CursoreAttesa cursore;
    const AccessoRegistro::Attivazione fatto = accesso_.attiva(nomi, password);
    if (fatto.codiceRecupero.isEmpty())
        return attivazione_->mostraErrore(fatto.errore);
    attivazione_->mostraCodice(fatto.codiceRecupero);
    if (!fatto.errore.isEmpty())
        attivazione_->Esito->setText(attivazione_->Esito->text() + QStringLiteral("\n\n") +
                                     fatto.errore);
}

bool SportelloRegistro::attesa() {
    if (tentativi_.attesaMs() == 0)
        return false;
    apertura_->mostraErrore(tentativi_.messaggio());
    return true;
}

void SportelloRegistro::apri(const QString& password) {
    if (attesa())
        return;
    const CursoreAttesa cursore;
    QString errore;
    chiave_ = accesso_.apri(password, &errore);
    tentativi_.esito(chiave_.valida());
    if (!chiave_.valida())
        return apertura_->mostraErrore(errore);
    mostraRegistro();
}

void SportelloRegistro::recupera(const QString& codice, const QString& nuova) {
    if (attesa())
        return;
    const CursoreAttesa cursore;
    QString errore;
    chiave_ = accesso_.apriConCodice(codice, nuova, &errore);
    tentativi_.esito(chiave_.valida());
    if (!chiave_.valida())
        return apertura_->mostraErrore(errore);
    mostraRegistro(QStringLiteral("La password è cambiata: da ora il registro si apre con "
                                  "quella nuova."));
}

void SportelloRegistro::mostraRegistro(const QString& esito) {
    apertura_->pulisci();
    LetturaRegistro lettura = accesso_.leggi(chiave_);
    if (!accesso_.attivoNelleImpostazioni())
        lettura.note.prepend(QStringLiteral("Il registro è spento nelle impostazioni: non si "
                                            "scrivono nuove risposte."));
    classe_ = lettura.classe;
    auto* pagina =
        new PaginaRegistro(std::move(lettura.voci), lettura.classe, std::move(lettura.note), oggi_);
    connect(pagina, &PaginaRegistro::chiusuraChiesta, this, &SportelloRegistro::chiudi);
    connect(pagina, &PaginaRegistro::cancellazioneChiesta, this,
            &SportelloRegistro::mostraCancellazione);
    if (registro_)
        registro_->deleteLater();
    registro_ = pagina;
    pile_->addWidget(pagina);
    pile_->setCurrentWidget(pagina);
    if (!esito.isEmpty())
        pagina->Esito->setText(esito);
    pagina->Periodo->setFocus();
}

void SportelloRegistro::mostraCancellazione() {
    if (cancellazione_)
        cancellazione_->deleteLater();
    cancellazione_ = new PannelloCancellazione(classe_, oggi_);
    connect(cancellazione_, &PannelloCancellazione::cancellazioneChiesta, this,
            &SportelloRegistro::cancella);
    connect(cancellazione_, &PannelloCancellazione::indietro, this, [this] {
        pile_->setCurrentWidget(registro_);
        registro_->BottoneCancella->setFocus();
    });
    pile_->addWidget(cancellazione_);
    pile_->setCurrentWidget(cancellazione_);
    cancellazione_->Alunno->setFocus();
}

void SportelloRegistro::cancella(const Cancellazione& cancellazione, const QString& descrizione) {
    const auto risposta = messaggi_.show(
        this,
        {Modulo1::titolo(),
         QStringLiteral("Cancellare per sempre %1? Non si potrà più leggere.").arg(descrizione),
         MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
    if (risposta != MessageBoxService::Answer::Yes)
        return;
    const CursoreAttesa cursore;
    if (const QString motivo = accesso_.cancella(chiave_, cancellazione); !motivo.isEmpty())
        return cancellazione_->mostraEsito(motivo);
    mostraRegistro(QStringLiteral("Cancellato per sempre: %1.").arg(descrizione));
}

void SportelloRegistro::chiudi() {
    chiave_ = ChiavePrivata();
    for (QWidget* pagina :
         {static_cast<QWidget*>(registro_.data()), static_cast<QWidget*>(cancellazione_.data())})
        if (pagina) {
            pile_->removeWidget(pagina);
            pagina->deleteLater();
        }
    registro_.clear();
    cancellazione_.clear();
    pile_->setCurrentWidget(apertura_);
    apertura_->Password->setFocus();
}
