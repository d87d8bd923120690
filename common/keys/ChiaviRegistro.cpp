// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChiaviRegistro.h"

#include "CodiceRecupero.h"
#include "ContenutoChiavi.h"
#include "FileChiavi.h"
#include "NomiClasse.h"
#include "common/record/Sodio.h"

#include <sodium.h>

#include <utility>

namespace {

const QString senzaMemoria =
    QStringLiteral("Non c'è abbastanza memoria per proteggere le chiavi: chiudi altri programmi e "
                   "riprova.");

// The password as bytes: the same letters typed on another keyboard may come
// composed or not, NFC makes them one.
QByteArray byteDi(const QString& password) {
    return password.normalized(QString::NormalizationForm_C).toUtf8();
}

QString controllaPassword(const QString& password) {
    if (password.toUcs4().size() < ChiaviRegistro::lunghezzaPassword)
        return QStringLiteral("La password deve avere almeno %1 caratteri.")
            .arg(ChiaviRegistro::lunghezzaPassword);
    return {};
}

void dici(QString* errore, const QString& frase) {
    if (errore)
        *errore = frase;
}

// Opens one copy of the private key, and checks that it is the public key's
// own: a file whose parts were swapped with another's is damaged.
ChiavePrivata apriCopia(const QByteArray& file, QByteArray segreto, bool conCodice,
                        const QString& sbagliato, QString* errore) {
    QString motivo;
    const auto contenuto = ContenutoChiavi::leggi(file, &motivo);
    if (!contenuto) {
        cancellaSegreto(segreto);
        dici(errore, motivo);
        return {};
    }
    const CopiaCifrata& copia = conCodice ? contenuto->conCodice : contenuto->conPassword;
    QByteArray privata;
    const auto apertura = copia.apri(segreto, &privata);
    cancellaSegreto(segreto);
    if (apertura != CopiaCifrata::Apertura::Aperta) {
        dici(errore, apertura == CopiaCifrata::Apertura::SenzaMemoria ? senzaMemoria : sbagliato);
        return {};
    }
    QByteArray pubblica(crypto_scalarmult_BYTES, Qt::Uninitialized);
    if (privata.size() != crypto_scalarmult_SCALARBYTES ||
        crypto_scalarmult_base(reinterpret_cast<unsigned char*>(pubblica.data()),
                               reinterpret_cast<const unsigned char*>(privata.constData())) != 0 ||
        pubblica != contenuto->pubblica) {
        cancellaSegreto(privata);
        dici(errore, ContenutoChiavi::rovinato(
                         QStringLiteral("la chiave privata non è quella della chiave pubblica")));
        return {};
    }
    return ChiavePrivata(contenuto->pubblica, std::move(privata));
}

} // namespace

QString ChiaviRegistro::nomeFile() {
    return QStringLiteral("chiavi.json");
}

ChiaviRegistro::Attivazione ChiaviRegistro::crea(const QStringList& classe,
                                                 const QString& password) {
    Attivazione attivazione;
    const NomiClasse nomi = NomiClasse::daElenco(classe);
    if (!nomi.valida()) {
        attivazione.errore = nomi.errore;
        return attivazione;
    }
    attivazione.errore = controllaPassword(password);
    if (!attivazione.errore.isEmpty())
        return attivazione;
    if (!sodioPronto()) {
        attivazione.errore = QStringLiteral("Le chiavi non si possono creare su questo PC.");
        return attivazione;
    }
    ContenutoChiavi contenuto;
    contenuto.classe = nomi.nomi;
    contenuto.pubblica.resize(crypto_box_PUBLICKEYBYTES);
    QByteArray privata(crypto_box_SECRETKEYBYTES, Qt::Uninitialized);
    crypto_box_keypair(reinterpret_cast<unsigned char*>(contenuto.pubblica.data()),
                       reinterpret_cast<unsigned char*>(privata.data()));
    const QString codice = CodiceRecupero::nuovo();
    QByteArray segreto = byteDi(password);
    const auto conPassword = CopiaCifrata::nuova(privata, segreto);
    cancellaSegreto(segreto);
    segreto = CodiceRecupero::normalizzato(codice).toLatin1();
    const auto conCodice = conPassword ? CopiaCifrata::nuova(privata, segreto) : std::nullopt;
    cancellaSegreto(segreto);
    cancellaSegreto(privata);
    if (!conCodice) {
        attivazione.errore = senzaMemoria;
        return attivazione;
    }
    contenuto.conPassword = *conPassword;
    contenuto.conCodice = *conCodice;
    attivazione.file = contenuto.scritto();
    attivazione.codiceRecupero = codice;
    return attivazione;
}

std::optional<ChiaviPubbliche> ChiaviRegistro::leggiPubbliche(const QByteArray& file,
                                                              QString* errore) {
    QString motivo;
    const auto contenuto = ContenutoChiavi::leggi(file, &motivo);
    if (!contenuto) {
        dici(errore, motivo);
        return std::nullopt;
    }
    return ChiaviPubbliche{contenuto->pubblica, contenuto->classe};
}

ChiavePrivata ChiaviRegistro::apri(const QByteArray& file, const QString& password,
                                   QString* errore) {
    return apriCopia(file, byteDi(password), false, QStringLiteral("La password non è giusta."),
                     errore);
}

ChiavePrivata ChiaviRegistro::apriConCodice(const QByteArray& file, const QString& codice,
                                            QString* errore) {
    const QString normale = CodiceRecupero::normalizzato(codice);
    if (normale.isEmpty()) {
        dici(errore, QStringLiteral("Il codice di recupero ha %1 lettere e cifre, a gruppi di "
                                    "quattro: controlla di averlo scritto tutto.")
                         .arg(CodiceRecupero::lunghezza));
        return {};
    }
    return apriCopia(file, normale.toLatin1(), true,
                     QStringLiteral("Il codice di recupero non è giusto."), errore);
}

QByteArray ChiaviRegistro::conNuovaPassword(const QByteArray& file, const ChiavePrivata& chiave,
                                            const QString& nuova, QString* errore) {
    QString motivo;
    auto contenuto = ContenutoChiavi::leggi(file, &motivo);
    if (contenuto && (!chiave.valida() || chiave.pubblica() != contenuto->pubblica))
        motivo = QStringLiteral("La chiave aperta non è quella di questo file delle chiavi.");
    else if (contenuto)
        motivo = controllaPassword(nuova);
    if (!contenuto || !motivo.isEmpty()) {
        dici(errore, motivo);
        return {};
    }
    QByteArray segreto = byteDi(nuova);
    const auto copia = CopiaCifrata::nuova(chiave.privata(), segreto);
    cancellaSegreto(segreto);
    if (!copia) {
        dici(errore, senzaMemoria);
        return {};
    }
    contenuto->conPassword = *copia;
    return contenuto->scritto();
}

QByteArray ChiaviRegistro::conClasse(const QByteArray& file, const QStringList& classe,
                                     QString* errore) {
    QString motivo;
    auto contenuto = ContenutoChiavi::leggi(file, &motivo);
    const NomiClasse nomi = NomiClasse::daElenco(classe);
    if (contenuto && !nomi.valida())
        motivo = nomi.errore;
    if (!contenuto || !nomi.valida()) {
        dici(errore, motivo);
        return {};
    }
    contenuto->classe = nomi.nomi;
    return contenuto->scritto();
}

QByteArray ChiaviRegistro::leggiFile(const CartelleRegistro& cartelle, QString* errore) {
    return FileChiavi::leggi(cartelle, nomeFile(), errore);
}

std::optional<ChiaviPubbliche> ChiaviRegistro::leggiPubbliche(const CartelleRegistro& cartelle,
                                                              QString* errore) {
    const QByteArray file = leggiFile(cartelle, errore);
    return file.isEmpty() ? std::nullopt : leggiPubbliche(file, errore);
}

bool ChiaviRegistro::scriviFile(const QString& cartella, const QByteArray& file, QString* errore) {
    return FileChiavi::scrivi(cartella, nomeFile(), file, errore);
}
