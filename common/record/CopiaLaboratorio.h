// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class DatabaseRegistro;

// The copies a PC makes into the lab's folder: files of sealed entries in
// risposte/, each written whole under a hidden name and renamed into place,
// never changed afterwards, never over another file. Names come from the
// run's random id, so cloned PCs never pick the same one.
namespace CopiaLaboratorio {

QString cartella(const QString& registro);            // "<registro>/risposte"
QString nome(const QByteArray& corsa, quint64 primo); // "<run id hex>-<first n, 16 hex>.vrb"
bool nomeValido(const QString& nome);
bool nomeTemporaneo(const QString& nome); // ".<name>.tmp-<random>"

// Whether the lab's folder is there: it holds the teacher's keys. An empty
// folder where the share is mounted is not it.
bool raggiungibile(const QString& registro);

enum class Esito { Scritto, Esiste, Fallito };
// Writes a new file `nome` in the lab's folder.
Esito scriviNuovo(const QString& registro, const QString& nome, const QByteArray& byte);

// Copies every entry the database has not copied yet; true when none is
// left waiting.
bool copia(DatabaseRegistro& db, const QString& registro);

} // namespace CopiaLaboratorio
