// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaginaAlunno.h"
#include "RiepilogoClasse.h"

#include <QString>

class QIODevice;

// The record on A4 for the class council, in Liberation Sans, the same
// bytes for the same data. Rows are never cut: a page holds whole rows and
// the head of its table again. Each returns "" when written, else why not.
namespace PdfRegistro {

// The class at a glance, on landscape pages: per pupil and exercise the
// answers, the share right at the first try and the last day.
QString griglia(QIODevice& dove, const RiepilogoClasse& riepilogo, const QString& classe);
// A pupil's page: the totals, the chart of the weeks, the exercises, and
// the weeks of each exercise.
QString alunno(QIODevice& dove, const PaginaAlunno& pagina, const QString& classe);

} // namespace PdfRegistro
