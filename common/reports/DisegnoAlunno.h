// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaginaAlunno.h"

#include <QList>
#include <QRect>
#include <QString>

class FoglioRegistro;
class QPainter;

// A pupil's page on paper: the totals, the chart of the share right at the
// first try week by week, the exercises, and each exercise's weeks.
namespace DisegnoAlunno {

void disegna(FoglioRegistro& foglio, const PaginaAlunno& pagina, const QString& classe);
// The chart's bars in `dove`, in tenths of a millimetre: 0 to 100 % up,
// a bar a week, its Monday below.
void grafico(QPainter& painter, const QRect& dove, const QList<PaginaAlunno::Punto>& punti);

} // namespace DisegnoAlunno
