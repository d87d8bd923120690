// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessoRegistro.h"

#include "common/keys/ChiaviRegistro.h"
#include "common/settings/SalvataggioImpostazioni.h"

#include <QDir>
#include <QFileInfo>

AccessoRegistro::AccessoRegistro(FontiImpostazioni fonti)
    : fonti_(std::move(fonti)),
      cartelle_(CartelleRegistro::delSistema(leggiImpostazioni(*fonti_).valori.cartellaRegistro)) {}

AccessoRegistro::AccessoRegistro(CartelleRegistro cartelle) : cartelle_(std::move(cartelle)) {}

CartelleRegistro AccessoRegistro::cartelle() const {
    return cartelle_;
}

bool AccessoRegistro::attivato() const {
    return QFileInfo::exists(QDir(cartelle_.registro).filePath(ChiaviRegistro::nomeFile()));
}

bool AccessoRegistro::attivoNelleImpostazioni() const {
    return !fonti_ || leggiImpostazioni(*fonti_).valori.registroAttivo;
}

QByteArray AccessoRegistro::fileChiavi(QString* errore) const {
    return ChiaviRegistro::leggiFile(cartelle_, errore);
}

AccessoRegistro::Attivazione AccessoRegistro::attiva(const QStringList& classe,
                                                     const QString& password) {
    if (cartelle_.registro.isEmpty())
        return {{},
                QStringLiteral("Non c'è una cartella per il registro: manca la cartella "
                               "dell'utente (HOME).")};
    if (attivato())
        return {{},
                QStringLiteral("Il registro è già attivo in %1: le sue risposte si leggono "
                               "con la sua password. Per ricominciare, cancellarlo tutto.")
                    .arg(QDir::toNativeSeparators(cartelle_.registro))};
    const ChiaviRegistro::Attivazione nuova = ChiaviRegistro::crea(classe, password);
    if (!nuova.errore.isEmpty())
        return {{}, nuova.errore};
    QString errore;
    if (!ChiaviRegistro::scriviFile(cartelle_.registro, nuova.file, &errore))
        return {{}, errore};
    if (fonti_) {
        const ImpostazioniLette lette = leggiImpostazioni(*fonti_);
        if (!lette.valori.registroAttivo) {
            Impostazioni scelte = lette.valori;
            scelte.registroAttivo = true;
            if (const QString motivo = salvaImpostazioni(fonti_->insegnante, scelte, lette);
                !motivo.isEmpty())
                return {nuova.codiceRecupero,
                        QStringLiteral("Le chiavi del registro sono pronte, ma le impostazioni "
                                       "non si sono potute cambiare: %1")
                            .arg(motivo)};
            if (!leggiImpostazioni(*fonti_).valori.registroAttivo)
                return {nuova.codiceRecupero,
                        QStringLiteral("Le chiavi del registro sono pronte, ma la scuola tiene "
                                       "il registro spento nelle sue impostazioni.")};
        }
    }
    return {nuova.codiceRecupero, {}};
}

ChiavePrivata AccessoRegistro::apri(const QString& password, QString* errore) const {
    const QByteArray file = fileChiavi(errore);
    if (file.isEmpty())
        return {};
    return ChiaviRegistro::apri(file, password, errore);
}

ChiavePrivata AccessoRegistro::apriConCodice(const QString& codice, const QString& nuovaPassword,
                                             QString* errore) {
    const QByteArray file = fileChiavi(errore);
    if (file.isEmpty())
        return {};
    ChiavePrivata chiave = ChiaviRegistro::apriConCodice(file, codice, errore);
    if (!chiave.valida())
        return {};
    const QByteArray nuovo = ChiaviRegistro::conNuovaPassword(file, chiave, nuovaPassword, errore);
    if (nuovo.isEmpty() || !ChiaviRegistro::scriviFile(cartelle_.registro, nuovo, errore))
        return {};
    return chiave;
}

LetturaRegistro AccessoRegistro::leggi(const ChiavePrivata& chiave) const {
    QString errore;
    const std::optional<ChiaviPubbliche> pubbliche =
        ChiaviRegistro::leggiPubbliche(cartelle_, &errore);
    LetturaRegistro lettura =
        LetturaRegistro::leggi(cartelle_, chiave, pubbliche ? pubbliche->classe : QStringList());
    if (!pubbliche)
        lettura.note.prepend(errore);
    return lettura;
}

QString AccessoRegistro::cancella(const ChiavePrivata& chiave,
                                  const Cancellazione& cancellazione) const {
    return cancellaRegistro(cartelle_, chiave, cancellazione);
}
