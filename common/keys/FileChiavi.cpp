// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileChiavi.h"

#include "ContenutoChiavi.h"
#include "LetturaLimitata.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace FileChiavi {

namespace {

constexpr QFileDevice::Permissions perTutti = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions cartellaPerTutti =
    perTutti | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

void dici(QString* errore, const QString& frase) {
    if (errore)
        *errore = frase;
}

QString perche(const LetturaLimitata::Letto& letto, const QString& percorso) {
    const QString nome = QDir::toNativeSeparators(percorso);
    switch (letto.esito) {
    case LetturaLimitata::Esito::Letto:
        break;
    case LetturaLimitata::Esito::Manca:
        return QStringLiteral("Il registro non è attivo: manca il file delle chiavi.");
    case LetturaLimitata::Esito::NonFile:
        return QStringLiteral("Al posto del file delle chiavi %1 c'è qualcosa che non è un file.")
            .arg(nome);
    case LetturaLimitata::Esito::TroppoGrande:
        return QStringLiteral("Il file delle chiavi %1 è troppo grande: non è di Vortelia.")
            .arg(nome);
    case LetturaLimitata::Esito::Illeggibile:
        return QStringLiteral("Il file delle chiavi %1 non si può leggere: %2.")
            .arg(nome, letto.motivo);
    }
    return {};
}

// Makes the folders down to `cartella` that are missing, each 0755.
bool creaCartella(const QString& cartella) {
    const QString percorso = QDir::cleanPath(QDir(cartella).absolutePath());
    if (QFileInfo(percorso).isDir())
        return true;
    const QString sopra = QFileInfo(percorso).path();
    if (sopra == percorso || !creaCartella(sopra))
        return false;
    return QDir().mkdir(percorso, cartellaPerTutti) || QFileInfo(percorso).isDir();
}

} // namespace

QByteArray leggi(const CartelleRegistro& cartelle, const QString& nome, QString* errore) {
    // An empty folder would be the working folder: no record at all.
    if (cartelle.registro.isEmpty()) {
        dici(errore, QStringLiteral("Il registro non è attivo: manca la sua cartella."));
        return {};
    }
    const bool conCopia = cartelle.condivisa() && !cartelle.locale.isEmpty();
    const QString percorso = QDir(cartelle.registro).filePath(nome);
    const QString copia = QDir(cartelle.locale).filePath(nome);
    const LetturaLimitata::Letto letto =
        LetturaLimitata::leggi(percorso, ContenutoChiavi::byteMassimi);
    if (letto.esito == LetturaLimitata::Esito::Letto) {
        // Only a file that reads as keys replaces the copy: a damaged one on
        // the share must not take the place of a good one. A copy that cannot
        // be written is tried again at the next start.
        QString ignorato;
        if (conCopia &&
            LetturaLimitata::leggi(copia, ContenutoChiavi::byteMassimi).byte != letto.byte &&
            ContenutoChiavi::leggi(letto.byte, &ignorato))
            scrivi(cartelle.locale, nome, letto.byte, &ignorato);
        return letto.byte;
    }
    // The share away: its folder cannot be seen, or the file there cannot be
    // read. A folder that is there without the file is a record switched off.
    const bool lontana =
        !QFileInfo(cartelle.registro).isDir() || letto.esito == LetturaLimitata::Esito::Illeggibile;
    if (conCopia && lontana) {
        const LetturaLimitata::Letto locale =
            LetturaLimitata::leggi(copia, ContenutoChiavi::byteMassimi);
        if (locale.esito == LetturaLimitata::Esito::Letto)
            return locale.byte;
        if (letto.esito == LetturaLimitata::Esito::Manca) {
            dici(errore, QStringLiteral("La cartella del registro %1 non si raggiunge e questo PC "
                                        "non ha ancora una copia del file delle chiavi.")
                             .arg(QDir::toNativeSeparators(cartelle.registro)));
            return {};
        }
    }
    dici(errore, perche(letto, percorso));
    return {};
}

bool scrivi(const QString& cartella, const QString& nome, const QByteArray& byte, QString* errore) {
    const QString luogo = QDir::toNativeSeparators(cartella);
    if (cartella.isEmpty()) {
        dici(errore, QStringLiteral("Manca la cartella in cui scrivere il file delle chiavi."));
        return false;
    }
    if (!creaCartella(cartella)) {
        dici(errore, QStringLiteral("La cartella %1 non si può creare.").arg(luogo));
        return false;
    }
    const QString percorso = QDir(cartella).filePath(nome);
    const QFileInfo bersaglio(percorso);
    // QSaveFile would write through a link to wherever it points: the link
    // itself goes, and the file takes its place.
    if (bersaglio.isSymLink() && !QFile::remove(percorso)) {
        dici(errore, QStringLiteral("Il collegamento %1 non si può sostituire.")
                         .arg(QDir::toNativeSeparators(percorso)));
        return false;
    }
    if (!bersaglio.isSymLink() && bersaglio.exists() && !bersaglio.isFile()) {
        dici(errore, QStringLiteral("Al posto del file %1 c'è qualcosa che non è un file.")
                         .arg(QDir::toNativeSeparators(percorso)));
        return false;
    }
    QSaveFile file(percorso);
    // Unbuffered: a write cut short says so by its count.
    const bool scritto = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.setPermissions(perTutti) && file.write(byte) == byte.size() &&
                         file.commit();
    if (!scritto) {
        dici(errore, QStringLiteral("Il file delle chiavi non si è potuto scrivere in %1: %2.")
                         .arg(luogo, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace FileChiavi
