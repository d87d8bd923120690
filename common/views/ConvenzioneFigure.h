// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

// The figures as the program knows them: one per letter, "a" to "z", each
// with eight views (1 to 4 the figure turning, 5 to 8 its mirror image).
namespace ConvenzioneFigure {

constexpr int lettere = 26;
constexpr int viste = 8;

// The letter of figure l, 0 to lettere - 1: "a" to "z".
constexpr QChar lettera(int l) {
    return QChar(u'a' + l);
}

// The figure of a letter, 0 to lettere - 1; -1 for a letter that names none.
constexpr int indice(QChar lettera) {
    const int l = lettera.unicode() - u'a';
    return l >= 0 && l < lettere ? l : -1;
}

} // namespace ConvenzioneFigure
