// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileIntero.h"

#include <QFileInfo>
#include <QSaveFile>

namespace FileIntero {

QString scrivi(const QString& percorso, const QByteArray& byte) {
    const QFileInfo bersaglio(percorso);
    if (bersaglio.isDir())
        return QStringLiteral("Al posto del file %1 c'è una cartella.").arg(percorso);
    // A device or a pipe would be replaced by the file, not written into.
    if (bersaglio.exists() && !bersaglio.isFile())
        return QStringLiteral("%1 non è un file su cui scrivere.").arg(percorso);
    QSaveFile file(percorso);
    // Unbuffered: commit() does not see a failure of its own flush, and a
    // write cut short says so only by its count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Il file %1 non si può scrivere: %2.")
            .arg(percorso, file.errorString());
    if (file.write(byte) != byte.size() || !file.commit())
        return QStringLiteral("Il file %1 non si è potuto scrivere tutto (il disco è pieno?): %2.")
            .arg(percorso, file.errorString());
    return {};
}

} // namespace FileIntero
