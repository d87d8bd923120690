// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/views/OttoViste.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Whether a figure's eight views can all be told apart. A symmetric drawing
// makes two of them look alike, and an exercise could then have two right
// answers, or a wrong one that looks like the right one. The views are
// compared as a pupil sees them: at the side of a candidate box at normal
// size, on the box's background.
namespace Simmetrie {

enum class Tipo {
    QuartoDiGiro,
    MezzoGiro,
    AsseVerticale,
    AsseOrizzontale,
    DiagonaleDiscendente, // top left to bottom right
    DiagonaleAscendente,  // bottom left to top right
};

// The side of a candidate box at normal size, in pixels.
inline constexpr int latoConfronto = 120;
// Two views closer than this (the mean difference of their pixels, 0 to 255)
// look the same to a pupil. The least distinct pair of views among the shipped
// figures is far above it.
inline constexpr double soglia = 3.0;

// The mean difference of two pictures of one size, over pixels and colour
// channels, from 0 (the same) to 255.
double distanza(const QImage& a, const QImage& b);

// The views' files decoded as a candidate box at normal size shows them.
OttoViste::Viste comeSiVedono(const QList<QByteArray>& vistejpeg);

// Which symmetry makes view i (0-7) equal to view j when the drawing has it.
Tipo tipoDellaCoppia(int i, int j);

// "la figura è uguale a ..."
QString descrizione(Tipo tipo);

struct Esito {
    QList<Tipo> simmetrie;      // those closer than the threshold, in the order of Tipo
    double minima = 0;          // the least distance between two views
    int vistaA = 0, vistaB = 0; // that pair, as view numbers 1-8

    bool usabile() const { return simmetrie.isEmpty(); }
    // The verdict a teacher reads.
    QString verdetto() const;
};

// Compares every pair of views as seen.
Esito esamina(const OttoViste::Viste& viste, double sogliaUsata = soglia);

} // namespace Simmetrie
