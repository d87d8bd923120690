// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IntervalloDate.h"
#include "RiepilogoClasse.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// The record for a spreadsheet, as LibreOffice Calc and Excel with Italian
// settings open it straight into columns: UTF-8 with its byte-order mark,
// semicolons, CRLF, decimal commas, moments as ISO "2026-12-10 09:15:00".
// A text that a spreadsheet would take for a formula is written after an
// apostrophe: a pupil's name is never run.
namespace EsportaCsv {

// Every answer in the range, oldest first: "" when written, else why not.
QString risposte(QIODevice& dove, const QList<VoceRegistro>& voci,
                 const IntervalloDate& intervallo);
// The class at a glance: a row per pupil, three columns per exercise and
// three for them all.
QString griglia(QIODevice& dove, const RiepilogoClasse& riepilogo);

// One text cell: neutralised, and quoted when it holds a separator, a
// quote or a line end.
QByteArray testo(const QString& cella);

} // namespace EsportaCsv
