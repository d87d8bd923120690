// SPDX-License-Identifier: GPL-3.0-or-later
#include "CartelleRegistro.h"

#include <QDir>
#include <QStandardPaths>

bool CartelleRegistro::condivisa() const {
    return QDir::cleanPath(QDir(registro).absolutePath()) !=
           QDir::cleanPath(QDir(locale).absolutePath());
}

CartelleRegistro CartelleRegistro::delSistema(const QString& cartellaImpostazioni) {
    // With neither HOME nor XDG_DATA_HOME, Qt answers a folder under "/",
    // which is nobody's: the record then stays off (an empty folder).
    QString locale;
    if (!qEnvironmentVariableIsEmpty("HOME") || !qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        locale = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/Vortelia/registro");
    const QString registro = cartellaImpostazioni.trimmed();
    return {locale, registro.isEmpty() ? locale : QDir::cleanPath(registro)};
}
