// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/settings/LetturaImpostazioni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A teacher's and two schools' configuration folders of the test's own,
// named by XDG_CONFIG_HOME and XDG_CONFIG_DIRS, so that no test reads the
// real user's or system's settings. Each test makes its own: new paths.
class CartelleProva {
public:
    CartelleProva() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa_.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(scuola_[0].path() + ':' + scuola_[1].path()));
    }
    // Its own files, whichever folders the environment names last.
    FontiImpostazioni fonti() const { return {insegnante(), {scuola(0), scuola(1)}}; }
    QString insegnante() const { return casa_.path() + "/Vortelia/Vortelia.conf"; }
    QString scuola(int quale) const { return scuola_[quale].path() + "/Vortelia/Vortelia.conf"; }

    // An empty text writes nothing.
    static void scrivi(const QString& file, const QByteArray& testo) {
        QFile uscita(file);
        if (!testo.isEmpty() && QDir().mkpath(QFileInfo(file).absolutePath()) &&
            uscita.open(QIODevice::WriteOnly))
            uscita.write(testo);
    }
    static QByteArray letto(const QString& file) {
        QFile entrata(file);
        return entrata.open(QIODevice::ReadOnly) ? entrata.readAll() : QByteArray();
    }

private:
    QTemporaryDir casa_, scuola_[2];
};
