// SPDX-License-Identifier: GPL-3.0-or-later
#include "CopiaCifrata.h"

#include "common/record/Sodio.h"

#include <QJsonValue>

#include <sodium.h>

#include <utility>

namespace {

constexpr qint64 operazioniMassime = 10;
constexpr qint64 memoriaMassima = 256LL * 1024 * 1024;
constexpr qsizetype lunghezzaChiave = crypto_secretbox_KEYBYTES;
constexpr qsizetype lunghezzaCifrata = 32 + crypto_secretbox_MACBYTES;
const QString algoritmo = QStringLiteral("argon2id13");

// The key stretched from the secret; empty when Argon2 found no memory.
QByteArray chiaveDa(const QByteArray& segreto, const CopiaCifrata& copia) {
    QByteArray chiave(lunghezzaChiave, Qt::Uninitialized);
    if (crypto_pwhash(reinterpret_cast<unsigned char*>(chiave.data()), quint64(chiave.size()),
                      segreto.constData(), quint64(segreto.size()),
                      reinterpret_cast<const unsigned char*>(copia.sale.constData()),
                      quint64(copia.operazioni), size_t(copia.memoria),
                      crypto_pwhash_ALG_ARGON2ID13) != 0) {
        cancellaSegreto(chiave);
        return {};
    }
    return chiave;
}

QByteArray casuali(qsizetype quanti) {
    QByteArray byte(quanti, Qt::Uninitialized);
    randombytes_buf(byte.data(), size_t(byte.size()));
    return byte;
}

// Strict base64 of an exact length: anything else is a damaged file.
std::optional<QByteArray> base64(const QJsonValue& valore, qsizetype lunghezza) {
    if (!valore.isString())
        return std::nullopt;
    auto letto = QByteArray::fromBase64Encoding(valore.toString().toLatin1(),
                                                QByteArray::AbortOnBase64DecodingErrors);
    if (!letto || letto.decoded.size() != lunghezza)
        return std::nullopt;
    return letto.decoded;
}

std::optional<qint64> intero(const QJsonValue& valore, qint64 minimo, qint64 massimo) {
    if (!valore.isDouble())
        return std::nullopt;
    const double numero = valore.toDouble();
    if (!(numero >= double(minimo) && numero <= double(massimo)) || qint64(numero) != numero)
        return std::nullopt;
    return qint64(numero);
}

} // namespace

std::optional<CopiaCifrata> CopiaCifrata::nuova(const QByteArray& privata,
                                                const QByteArray& segreto) {
    if (!sodioPronto())
        return std::nullopt;
    CopiaCifrata copia;
    copia.sale = casuali(crypto_pwhash_SALTBYTES);
    copia.operazioni = crypto_pwhash_OPSLIMIT_INTERACTIVE;
    copia.memoria = crypto_pwhash_MEMLIMIT_INTERACTIVE;
    copia.nonce = casuali(crypto_secretbox_NONCEBYTES);
    QByteArray chiave = chiaveDa(segreto, copia);
    if (chiave.isEmpty())
        return std::nullopt;
    copia.cifrata.resize(privata.size() + crypto_secretbox_MACBYTES);
    crypto_secretbox_easy(reinterpret_cast<unsigned char*>(copia.cifrata.data()),
                          reinterpret_cast<const unsigned char*>(privata.constData()),
                          quint64(privata.size()),
                          reinterpret_cast<const unsigned char*>(copia.nonce.constData()),
                          reinterpret_cast<const unsigned char*>(chiave.constData()));
    cancellaSegreto(chiave);
    return copia;
}

CopiaCifrata::Apertura CopiaCifrata::apri(const QByteArray& segreto, QByteArray* privata) const {
    if (cifrata.size() != lunghezzaCifrata)
        return Apertura::SegretoSbagliato;
    if (!sodioPronto())
        return Apertura::SenzaMemoria;
    QByteArray chiave = chiaveDa(segreto, *this);
    if (chiave.isEmpty())
        return Apertura::SenzaMemoria;
    QByteArray chiaro(cifrata.size() - crypto_secretbox_MACBYTES, Qt::Uninitialized);
    const bool aperta =
        crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(chiaro.data()),
                                   reinterpret_cast<const unsigned char*>(cifrata.constData()),
                                   quint64(cifrata.size()),
                                   reinterpret_cast<const unsigned char*>(nonce.constData()),
                                   reinterpret_cast<const unsigned char*>(chiave.constData())) == 0;
    cancellaSegreto(chiave);
    if (!aperta) {
        cancellaSegreto(chiaro);
        return Apertura::SegretoSbagliato;
    }
    *privata = std::move(chiaro);
    return Apertura::Aperta;
}

QJsonObject CopiaCifrata::json() const {
    return {{"algoritmo", algoritmo},
            {"sale", QString::fromLatin1(sale.toBase64())},
            {"operazioni", double(operazioni)},
            {"memoria", double(memoria)},
            {"nonce", QString::fromLatin1(nonce.toBase64())},
            {"cifrata", QString::fromLatin1(cifrata.toBase64())}};
}

std::optional<CopiaCifrata> CopiaCifrata::daJson(const QJsonValue& valore, QString* difetto) {
    const QJsonObject oggetto = valore.toObject();
    if (!valore.isObject() || oggetto.value("algoritmo").toString() != algoritmo) {
        *difetto = QStringLiteral("una copia della chiave privata manca o non è come deve");
        return std::nullopt;
    }
    const auto operazioni =
        intero(oggetto.value("operazioni"), crypto_pwhash_OPSLIMIT_MIN, operazioniMassime);
    const auto memoria =
        intero(oggetto.value("memoria"), crypto_pwhash_MEMLIMIT_MIN, memoriaMassima);
    if (!operazioni || !memoria) {
        *difetto = QStringLiteral("il costo di una copia della chiave privata è fuori misura");
        return std::nullopt;
    }
    const auto sale = base64(oggetto.value("sale"), crypto_pwhash_SALTBYTES);
    const auto nonce = base64(oggetto.value("nonce"), crypto_secretbox_NONCEBYTES);
    const auto cifrata = base64(oggetto.value("cifrata"), lunghezzaCifrata);
    if (!sale || !nonce || !cifrata) {
        *difetto = QStringLiteral("una copia della chiave privata è incompleta");
        return std::nullopt;
    }
    return CopiaCifrata{*sale, *operazioni, *memoria, *nonce, *cifrata};
}
