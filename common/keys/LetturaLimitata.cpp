// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaLimitata.h"

#include "common/platform/system/SafeFile.h"

#include <QFileInfo>

namespace LetturaLimitata {

Letto leggi(const QString& percorso, qint64 massimo) {
    Letto letto;
    // Asked first so that a device is never opened at all; the open file is
    // checked again, for what may have taken its place meanwhile.
    const QFileInfo info(percorso);
    if (!info.exists())
        return letto;
    if (!info.isFile()) {
        letto.esito = Esito::NonFile;
        return letto;
    }
    SafeFile::Refusal rifiuto = SafeFile::Refusal::None;
    const auto aperto = SafeFile::openNative(QFile::encodeName(percorso), &rifiuto);
    if (!aperto) {
        letto.esito = rifiuto == SafeFile::Refusal::Missing      ? Esito::Manca
                      : rifiuto == SafeFile::Refusal::NotRegular ? Esito::NonFile
                                                                 : Esito::Illeggibile;
        letto.motivo = QStringLiteral("non si apre");
        return letto;
    }
    QFile& file = *aperto->file;
    letto.byte = file.read(massimo + 1);
    if (file.error() != QFileDevice::NoError) {
        letto.esito = Esito::Illeggibile;
        letto.motivo = file.errorString();
        letto.byte.clear();
    } else if (letto.byte.size() > massimo) {
        letto.esito = Esito::TroppoGrande;
        letto.byte.clear();
    } else {
        letto.esito = Esito::Letto;
    }
    return letto;
}

} // namespace LetturaLimitata
