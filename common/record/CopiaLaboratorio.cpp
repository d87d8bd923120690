// SPDX-License-Identifier: GPL-3.0-or-later
#include "CopiaLaboratorio.h"
#include "Sodio.h"

#include "DatabaseRegistro.h"
#include "FileVoci.h"

#include "common/platform/system/DiskSync.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <sodium.h>

namespace CopiaLaboratorio {

namespace {

// A file stays well under the readers' limit.
constexpr qint64 massimoLotto = 8 * 1024 * 1024;

QString casuale() {
    QByteArray b(8, Qt::Uninitialized);
    if (!sodioPronto())
        return QStringLiteral("0");
    randombytes_buf(b.data(), size_t(b.size()));
    return QString::fromLatin1(b.toHex());
}

// The numbers a file of this run already in the lab's folder holds.
QSet<quint64> giaCopiate(const QString& percorso, const QByteArray& corsa) {
    QSet<quint64> n;
    const FileVoci::Letto l = FileVoci::leggiFile(percorso);
    if (l.corsa == corsa)
        for (const FileVoci::Record& r : l.record)
            n.insert(r.n);
    return n;
}

} // namespace

QString cartella(const QString& registro) {
    return QDir(registro).filePath(QStringLiteral("risposte"));
}

QString nome(const QByteArray& corsa, quint64 primo) {
    return QStringLiteral("%1-%2.vrb")
        .arg(QString::fromLatin1(corsa.toHex()))
        .arg(primo, 16, 16, QLatin1Char('0'));
}

bool nomeValido(const QString& nome) {
    static const QRegularExpression schema(QStringLiteral("^[0-9a-f]{32}-[0-9a-f]{16}\\.vrb$"));
    return schema.match(nome).hasMatch();
}

bool nomeTemporaneo(const QString& nome) {
    static const QRegularExpression schema(QStringLiteral("^\\..+\\.tmp-[0-9a-f]+$"));
    return schema.match(nome).hasMatch();
}

bool raggiungibile(const QString& registro) {
    return QFile::exists(QDir(registro).filePath(QStringLiteral("chiavi.json")));
}

Esito scriviNuovo(const QString& registro, const QString& nomeFile, const QByteArray& byte) {
    const QDir dir(cartella(registro));
    if (!raggiungibile(registro) ||
        (!dir.exists() && !QDir(registro).mkdir(QStringLiteral("risposte"))))
        return Esito::Fallito;
    const QString finale = dir.filePath(nomeFile);
    if (QFile::exists(finale))
        return Esito::Esiste;
    QFile file(dir.filePath(QStringLiteral(".%1.tmp-%2").arg(nomeFile, casuale())));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Esito::Fallito;
    const bool scritto = file.write(byte) == byte.size() && DiskSync::toDisk(file);
    file.close();
    // Renaming never replaces a file already there.
    if (scritto && file.rename(finale))
        return Esito::Scritto;
    const bool esiste = QFile::exists(finale);
    file.remove();
    return esiste ? Esito::Esiste : Esito::Fallito;
}

bool copia(DatabaseRegistro& db, const QString& registro) {
    QList<DatabaseRegistro::Riga> righe = db.voci(true);
    if (righe.isEmpty())
        return true;
    QHash<QByteArray, QByteArray> sigilli;
    for (const auto& [corsa, sigillo] : db.corse())
        sigilli.insert(corsa, sigillo);
    qsizetype i = 0;
    while (i < righe.size()) {
        // One file: consecutive rows of one run, up to the batch's size.
        const QByteArray corsa = righe[i].corsa;
        QByteArray byte = FileVoci::intestazione(corsa, sigilli.value(corsa));
        QList<quint64> numeri;
        qsizetype fine = i;
        while (fine < righe.size() && righe[fine].corsa == corsa && byte.size() < massimoLotto) {
            byte += FileVoci::record(righe[fine].n, righe[fine].cifrato);
            numeri << righe[fine].n;
            ++fine;
        }
        if (!sigilli.contains(corsa)) {
            i = fine; // a row without its run opens for nobody: left alone
            continue;
        }
        const QString nomeFile = nome(corsa, righe[i].n);
        const Esito esito = scriviNuovo(registro, nomeFile, byte);
        if (esito == Esito::Fallito)
            return false;
        if (esito == Esito::Esiste) {
            // Copied before the rows could go (the program stopped between):
            // those rows leave now, the rest go into a file of their own.
            const QSet<quint64> gia =
                giaCopiate(QDir(cartella(registro)).filePath(nomeFile), corsa);
            QList<quint64> presenti;
            for (quint64 n : numeri)
                if (gia.contains(n))
                    presenti << n;
            if (presenti.isEmpty() || !db.copiate(corsa, presenti))
                return false;
            righe = db.voci(true);
            i = 0;
            continue;
        }
        if (!db.copiate(corsa, numeri))
            return false;
        i = fine;
    }
    return true;
}

} // namespace CopiaLaboratorio
