// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContenutoChiavi.h"

#include "NomiClasse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sodium.h>

namespace {

const QString formato = QStringLiteral("vortelia-registro-chiavi");
constexpr int versione = 1;

std::optional<ContenutoChiavi> rifiuto(QString* errore, const QString& perche) {
    *errore = perche;
    return std::nullopt;
}

} // namespace

QString ContenutoChiavi::rovinato(const QString& perche) {
    return QStringLiteral("Il file delle chiavi è rovinato (%1).").arg(perche);
}

std::optional<ContenutoChiavi> ContenutoChiavi::leggi(const QByteArray& file, QString* errore) {
    const QString estraneo = QStringLiteral("Questo non è un file delle chiavi di Vortelia.");
    if (file.size() > byteMassimi)
        return rifiuto(errore, estraneo);
    QJsonParseError analisi{};
    const QJsonDocument documento = QJsonDocument::fromJson(file, &analisi);
    const QJsonObject radice = documento.object();
    if (analisi.error != QJsonParseError::NoError || !documento.isObject() ||
        radice.value("formato").toString() != formato)
        return rifiuto(errore, estraneo);
    const QJsonValue numero = radice.value("versione");
    if (!numero.isDouble() || numero.toDouble() < versione)
        return rifiuto(errore, rovinato(QStringLiteral("la versione non è un numero valido")));
    if (numero.toDouble() > versione)
        return rifiuto(errore, QStringLiteral("Il file delle chiavi è di una versione più nuova "
                                              "di Vortelia: aggiorna il programma."));

    ContenutoChiavi contenuto;
    const auto pubblica = QByteArray::fromBase64Encoding(
        radice.value("pubblica").toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!radice.value("pubblica").isString() || !pubblica ||
        pubblica.decoded.size() != crypto_box_PUBLICKEYBYTES)
        return rifiuto(errore, rovinato(QStringLiteral("la chiave pubblica non è valida")));
    contenuto.pubblica = pubblica.decoded;

    const QJsonValue elenco = radice.value("classe");
    QStringList nomi;
    for (const QJsonValue nome : elenco.toArray()) {
        if (!nome.isString())
            return rifiuto(errore, rovinato(QStringLiteral("la lista della classe non è valida")));
        nomi.append(nome.toString());
    }
    const NomiClasse classe = NomiClasse::daElenco(nomi);
    if (!elenco.isArray() || !classe.valida())
        return rifiuto(errore, rovinato(QStringLiteral("la lista della classe non è valida")));
    contenuto.classe = classe.nomi;

    QString difetto;
    const auto conPassword = CopiaCifrata::daJson(radice.value("conPassword"), &difetto);
    const auto conCodice =
        conPassword ? CopiaCifrata::daJson(radice.value("conCodice"), &difetto) : std::nullopt;
    if (!conPassword || !conCodice)
        return rifiuto(errore, rovinato(difetto));
    contenuto.conPassword = *conPassword;
    contenuto.conCodice = *conCodice;
    return contenuto;
}

QByteArray ContenutoChiavi::scritto() const {
    const QJsonObject radice{{"formato", formato},
                             {"versione", versione},
                             {"pubblica", QString::fromLatin1(pubblica.toBase64())},
                             {"classe", QJsonArray::fromStringList(classe)},
                             {"conPassword", conPassword.json()},
                             {"conCodice", conCodice.json()}};
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}
