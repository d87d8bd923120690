// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/CartelleRegistro.h"

#include <QByteArray>
#include <QString>

// The keys file on disk. In a lab the record's folder is a share: each PC
// keeps a copy of the keys file in its local folder, so that a PC that
// starts while the share is away still seals its pupils' answers.
namespace FileChiavi {

// The record's folder's file `nome`; its bytes refresh the local copy when
// the folder is a share. When the share cannot be reached (or the file there
// not read), the local copy. Empty and *errore (Italian) when neither is read.
QByteArray leggi(const CartelleRegistro& cartelle, const QString& nome, QString* errore);

// cartella/nome replaced whole (the folder made when missing), mode 0644; a
// symbolic link of that name is replaced, not followed.
bool scrivi(const QString& cartella, const QString& nome, const QByteArray& byte, QString* errore);

} // namespace FileChiavi
