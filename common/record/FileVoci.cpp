// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileVoci.h"

#include "common/platform/system/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QtEndian>

#include <cstring>

namespace FileVoci {

namespace {

constexpr char magia[] = "VRB1";
constexpr qint64 testaRecord = 4 + 8;

} // namespace

QByteArray intestazione(const QByteArray& corsa, const QByteArray& sigillo) {
    QByteArray byte;
    byte.reserve(lunghezzaIntestazione);
    byte.append(magia, 4).append(corsa).append(sigillo);
    return byte;
}

QByteArray record(quint64 n, QByteArrayView cifrato) {
    QByteArray byte(testaRecord + cifrato.size(), Qt::Uninitialized);
    qToBigEndian(quint32(cifrato.size()), byte.data());
    qToBigEndian(n, byte.data() + 4);
    memcpy(byte.data() + testaRecord, cifrato.data(), size_t(cifrato.size()));
    return byte;
}

Letto leggi(QByteArray byte) {
    Letto l;
    l.byte = std::move(byte);
    const char* dati = l.byte.constData();
    const qint64 totale = l.byte.size();
    if (totale > massimoFile) {
        l.esito = Letto::Esito::Troppo;
        return l;
    }
    if (totale < lunghezzaIntestazione || memcmp(dati, magia, 4) != 0) {
        l.esito = Letto::Esito::Estraneo;
        return l;
    }
    l.corsa = l.byte.mid(4, 16);
    l.sigillo = l.byte.mid(20, 80);
    l.record.reserve((totale - lunghezzaIntestazione) / 160);
    qint64 at = lunghezzaIntestazione;
    while (at < totale) {
        if (totale - at < testaRecord) {
            l.troncato = true;
            break;
        }
        const qint64 lunghezza = qFromBigEndian<quint32>(dati + at);
        if (lunghezza > massimoRecord) {
            l.esito = Letto::Esito::Danneggiato;
            break;
        }
        if (totale - at - testaRecord < lunghezza) {
            l.troncato = true;
            break;
        }
        l.record.append({qFromBigEndian<quint64>(dati + at + 4),
                         QByteArrayView(dati + at + testaRecord, lunghezza)});
        at += testaRecord + lunghezza;
    }
    return l;
}

Letto leggiFile(const QString& percorso) {
    Letto nessuno;
    nessuno.esito = Letto::Esito::NonAperto;
    auto aperto = SafeFile::openRegular(percorso);
    if (!aperto)
        return nessuno;
    if (aperto->identity.size > massimoFile) {
        nessuno.esito = Letto::Esito::Troppo;
        return nessuno;
    }
    // One byte past its size tells a file that grew since it was looked at.
    QByteArray byte(aperto->identity.size + 1, Qt::Uninitialized);
    const qint64 letti = aperto->file->read(byte.data(), byte.size());
    if (letti < 0)
        return nessuno;
    byte.truncate(letti);
    return leggi(std::move(byte));
}

} // namespace FileVoci

namespace FileVoci {

QString Giornale::nome(const QByteArray& corsa) {
    return QStringLiteral("giornale-%1.vrb").arg(QString::fromLatin1(corsa.toHex()));
}

bool Giornale::nomeGiornale(const QString& nomeFile) {
    static const QRegularExpression schema(QStringLiteral("^giornale-[0-9a-f]{32}\\.vrb$"));
    return schema.match(nomeFile).hasMatch();
}

QString Giornale::blocco(const QString& percorsoGiornale) {
    return percorsoGiornale.chopped(4) + QStringLiteral(".lock");
}

Giornale::Giornale() = default;
Giornale::~Giornale() = default;

bool Giornale::crea(const QString& cartella, const QByteArray& corsa, const QByteArray& sigillo) {
    if (!QDir().mkpath(cartella))
        return false;
    const QString percorso = QDir(cartella).filePath(nome(corsa));
    auto lock = std::make_unique<QLockFile>(blocco(percorso));
    // Only a dead process leaves a lock for others to take, however old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    auto file = std::make_unique<QFile>(percorso);
    // Appending unbuffered: each record is one write() at the file's end.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray testa = intestazione(corsa, sigillo);
    if (file->write(testa) != testa.size()) {
        file->remove();
        return false;
    }
    file_ = std::move(file);
    blocco_ = std::move(lock);
    return true;
}

bool Giornale::attivo() const {
    return file_ != nullptr;
}

bool Giornale::aggiungi(const QByteArray& record) {
    if (!file_)
        return false;
    if (file_->write(record) == record.size())
        return true;
    // Half a record at the end is skipped by its readers, but one after it
    // would not be: the journal stops here.
    file_->close();
    file_.reset();
    return false;
}

void Giornale::rimuovi() {
    if (file_) {
        file_->close();
        QFile::remove(file_->fileName());
        file_.reset();
    }
    blocco_.reset();
}

std::vector<GiornaleMorto> giornaliMorti(const QString& cartella) {
    std::vector<GiornaleMorto> morti;
    const QDir dir(cartella);
    for (const QString& nome : dir.entryList({QStringLiteral("giornale-*.vrb")}, QDir::Files)) {
        if (!Giornale::nomeGiornale(nome))
            continue;
        const QString percorso = dir.filePath(nome);
        auto lock = std::make_unique<QLockFile>(Giornale::blocco(percorso));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            morti.push_back({percorso, std::move(lock)});
    }
    // A run killed between taking its lock and writing its journal, or
    // while it brought another's in or took a dead run's lock (Qt's
    // ".rmlock"), leaves a lock alone: it goes.
    const QStringList blocchi{QStringLiteral("giornale-*.lock"),
                              QStringLiteral("giornale-*.rmlock")};
    for (const QString& nome : dir.entryList(blocchi, QDir::Files)) {
        const QString percorso = dir.filePath(nome);
        if (nome.endsWith(QStringLiteral(".lock")) &&
            QFile::exists(percorso.chopped(5) + QStringLiteral(".vrb")))
            continue;
        QLockFile lock(percorso);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            lock.unlock();
    }
    return morti;
}

} // namespace FileVoci
