// SPDX-License-Identifier: GPL-3.0-or-later
#include "SalvataggioImpostazioni.h"

#include "ChiaviImpostazioni.h"
#include "TestoIni.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace {

QString nonSalvate(const QString& file, const QString& perche) {
    return QStringLiteral("Le impostazioni non sono state salvate in %1: %2.").arg(file, perche);
}

QString perche(const QSaveFile& salvato, const QString& cartella) {
    switch (salvato.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("il disco è pieno");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("la cartella %1 non si può scrivere").arg(cartella);
    case QFileDevice::NoError: // the system took only part of the bytes
        return QStringLiteral("la scrittura si è fermata a metà: il disco può essere pieno");
    default:
        return QStringLiteral("la scrittura non è riuscita (%1)").arg(salvato.errorString());
    }
}

// The file's text: the keys the teacher sets apart from the school.
QByteArray testo(const Impostazioni& scelte, const ImpostazioniLette& lette) {
    QList<TestoIni::Riga> righe;
    for (const ChiaviImpostazioni::Chiave& chiave : ChiaviImpostazioni::tutte())
        if (!lette.origini.value(chiave.percorso()).bloccata &&
            !ChiaviImpostazioni::uguale(chiave, scelte, lette.dellaScuola))
            righe << TestoIni::Riga{&chiave, {}};
    return (TestoIni::commento(QStringLiteral("Le scelte dell'insegnante, salvate da Vortelia; "
                                              "il resto vale come lo dà la scuola.")) +
            TestoIni::righe(scelte, righe))
        .toUtf8();
}

} // namespace

QString salvaImpostazioni(const QString& file, const Impostazioni& scelte,
                          const ImpostazioniLette& lette, std::chrono::milliseconds attesa) {
    const QFileInfo info(file);
    const QString cartella = info.absolutePath();
    if (info.isDir())
        return nonSalvate(file, QStringLiteral("al posto del file c'è una cartella"));
    if (info.exists() && !info.isFile())
        return nonSalvate(file, QStringLiteral("al posto del file c'è qualcosa che non è un file"));
    if (info.exists() && !info.isWritable())
        return nonSalvate(file, QStringLiteral("il file non si può scrivere"));
    if (!QDir().mkpath(cartella))
        return nonSalvate(file, QStringLiteral("la cartella %1 non si può creare").arg(cartella));
    QLockFile turno(file + QStringLiteral(".lock"));
    turno.setStaleLockTime(0); // only a lock whose run has ended is taken over
    if (!turno.tryLock(int(attesa.count())))
        return nonSalvate(file,
                          turno.error() == QLockFile::LockFailedError
                              ? QStringLiteral("un altro salvataggio è in corso")
                              : QStringLiteral("la cartella %1 non si può scrivere").arg(cartella));
    const QByteArray bytes = testo(scelte, lette);
    QSaveFile salvato(file);
    // Unbuffered: commit() does not see a failure of its own flush, and a
    // write cut short says so only by its count. Unless committed, the old
    // file stays as it was.
    if (!salvato.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return nonSalvate(file, perche(salvato, cartella));
    if (salvato.write(bytes) != bytes.size() || !salvato.commit())
        return nonSalvate(file, perche(salvato, cartella));
    return {};
}
