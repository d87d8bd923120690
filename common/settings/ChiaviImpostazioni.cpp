// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChiaviImpostazioni.h"

#include <QDir>

#include <algorithm>
#include <type_traits>

namespace ChiaviImpostazioni {

namespace {

constexpr const char* datiUtente = "la cartella dei dati dell'utente";

constexpr Chiave chiavi[] = {
    {.gruppo = "suoni", .nome = "attivi", .campo = &Impostazioni::suoniAttivi},
    {.gruppo = "suoni",
     .nome = "volume",
     .campo = &Impostazioni::volume,
     .minimo = 0,
     .massimo = 100},
    {.gruppo = "menu",
     .nome = "esercizi",
     .campo = &Impostazioni::esercizi,
     .seVuoto = "tutti gli esercizi"},
    {.gruppo = "classe", .nome = "schermo_intero", .campo = &Impostazioni::schermoIntero},
    {.gruppo = "classe", .nome = "blocco", .campo = &Impostazioni::blocco},
    {.gruppo = "registro", .nome = "attivo", .campo = &Impostazioni::registroAttivo},
    {.gruppo = "registro",
     .nome = "cartella",
     .campo = &Impostazioni::cartellaRegistro,
     .seVuoto = datiUtente},
    {.gruppo = "figure",
     .nome = "cartella",
     .campo = &Impostazioni::cartellaFigure,
     .seVuoto = "nessuna"},
};

QString nomeEsercizio(int numero) {
    return QStringLiteral("FormEs%1").arg(numero);
}

QString testoDi(bool valore) {
    return valore ? QStringLiteral("true") : QStringLiteral("false");
}
QString testoDi(int valore) {
    return QString::number(valore);
}
QString testoDi(const QList<int>& esercizi) {
    QStringList nomi;
    for (int numero : esercizi)
        nomi << nomeEsercizio(numero);
    return nomi.join(QStringLiteral(", "));
}
QString testoDi(const QString& cartella) {
    return cartella;
}

// Each reader is handed the text QSettings read and whether it read a list
// (commas outside quotes).
Esito leggi(const Chiave&, const QString& testo, bool, bool& valore) {
    const QString parola = testo.trimmed().toLower();
    if (parola != QLatin1String("true") && parola != QLatin1String("false"))
        return {.problema = QStringLiteral("non è true né false")};
    valore = parola == QLatin1String("true");
    return {.letto = true, .problema = {}};
}

Esito leggi(const Chiave& chiave, const QString& testo, bool lista, int& valore) {
    bool numero = false;
    const int letto = testo.trimmed().toInt(&numero);
    if (lista || !numero)
        return {.problema = QStringLiteral("non è un numero intero")};
    if (letto < chiave.minimo || letto > chiave.massimo)
        return {.problema =
                    QStringLiteral("non è tra %1 e %2").arg(chiave.minimo).arg(chiave.massimo)};
    valore = letto;
    return {.letto = true, .problema = {}};
}

// The number of FormEs<n> as written, case and all; 0 for any other name.
int numeroEsercizio(const QString& nome) {
    for (int numero = 1; numero <= Impostazioni::numeroEsercizi; ++numero)
        if (nome == nomeEsercizio(numero))
            return numero;
    return 0;
}

Esito leggi(const Chiave&, const QString& testo, bool, QList<int>& valore) {
    QList<int> numeri;
    QStringList estranei;
    for (const QString& parte : testo.split(QLatin1Char(','))) {
        const QString nome = parte.trimmed();
        if (nome.isEmpty())
            continue;
        if (const int numero = numeroEsercizio(nome))
            numeri << numero;
        else
            estranei << nome;
    }
    std::sort(numeri.begin(), numeri.end());
    numeri.erase(std::unique(numeri.begin(), numeri.end()), numeri.end());
    Esito esito;
    if (!estranei.isEmpty())
        esito.problema =
            QStringLiteral("nomina %1, %2 (sono da %3 a %4)")
                .arg(estranei.join(QStringLiteral(", ")),
                     estranei.size() == 1 ? QStringLiteral("che non è una finestra di esercizio")
                                          : QStringLiteral("che non sono finestre di esercizio"),
                     nomeEsercizio(1), nomeEsercizio(Impostazioni::numeroEsercizi));
    // A list of names none of which is a window would show no button at all.
    esito.letto = estranei.isEmpty() || !numeri.isEmpty();
    if (esito.letto)
        valore = numeri;
    return esito;
}

Esito leggi(const Chiave&, const QString& testo, bool lista, QString& valore) {
    if (lista)
        return {.problema = QStringLiteral("ha una virgola fuori dalle virgolette: scrivi il "
                                           "percorso tra virgolette")};
    if (!testo.isEmpty() && QDir::isRelativePath(testo))
        return {.problema = QStringLiteral("non è un percorso assoluto")};
    valore = testo;
    return {.letto = true, .problema = {}};
}

} // namespace

QString Chiave::percorso() const {
    return QLatin1String(gruppo) + QLatin1Char('/') + QLatin1String(nome);
}

std::span<const Chiave> tutte() {
    return chiavi;
}

const Chiave* trova(QStringView gruppo, QStringView nome) {
    for (const Chiave& chiave : chiavi)
        if (gruppo == QLatin1String(chiave.gruppo) && nome == QLatin1String(chiave.nome))
            return &chiave;
    return nullptr;
}

bool gruppoNoto(QStringView gruppo) {
    return std::any_of(std::begin(chiavi), std::end(chiavi), [gruppo](const Chiave& chiave) {
        return gruppo == QLatin1String(chiave.gruppo);
    });
}

QString testo(const Chiave& chiave, const Impostazioni& in) {
    return std::visit([&](auto campo) { return testoDi(in.*campo); }, chiave.campo);
}

QString comeVale(const Chiave& chiave, const Impostazioni& in) {
    const QString scritto = testo(chiave, in);
    return scritto.isEmpty() && chiave.seVuoto ? QString::fromUtf8(chiave.seVuoto) : scritto;
}

bool uguale(const Chiave& chiave, const Impostazioni& a, const Impostazioni& b) {
    return std::visit(
        [&](auto campo) {
            if constexpr (std::is_same_v<decltype(campo), QList<int> Impostazioni::*>)
                return Impostazioni::uguali(a.*campo, b.*campo);
            else
                return a.*campo == b.*campo;
        },
        chiave.campo);
}

void copia(const Chiave& chiave, const Impostazioni& da, Impostazioni& in) {
    std::visit([&](auto campo) { in.*campo = da.*campo; }, chiave.campo);
}

Esito interpreta(const Chiave& chiave, const QVariant& letto, Impostazioni& in) {
    const bool lista = letto.typeId() == QMetaType::QStringList;
    if (!lista && letto.typeId() != QMetaType::QString)
        return {.problema = QStringLiteral("non è un testo")};
    const QString testo = lista ? letto.toStringList().join(QLatin1Char(',')) : letto.toString();
    // What QSettings made of bytes that are not UTF-8.
    if (testo.contains(QChar::ReplacementCharacter))
        return {.problema = QStringLiteral("non è testo UTF-8")};
    return std::visit([&](auto campo) { return leggi(chiave, testo, lista, in.*campo); },
                      chiave.campo);
}

} // namespace ChiaviImpostazioni
