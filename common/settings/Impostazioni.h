// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What a school or a teacher may set. Every default is the program as it is
// with no settings at all. ChiaviImpostazioni names each field's key in the
// settings files.
struct Impostazioni {
    // [suoni]
    bool suoniAttivi = true; // false: no sound at all, the sound system never loaded
    int volume = 100;        // 0 to 100
    // [menu] The exercise windows whose buttons show, by their number
    // (FormEs1 ... FormEs15), ascending; empty: all fifteen.
    QList<int> esercizi;
    // [classe]
    bool schermoIntero = false; // every window in full screen, as --schermo-intero
    bool blocco = false;        // pupils cannot quit
    // [registro]
    bool registroAttivo = false;
    QString cartellaRegistro; // empty: the user's data folder
    // [figure] A further folder of class figures, a folder per letter in it
    // (a school's share): read after the teacher's own and before the
    // school's and the shipped ones; empty: none.
    QString cartellaFigure;

    static constexpr int numeroEsercizi = 15;

    // Whether the menu shows the button of FormEs<numero>.
    bool mostraEsercizio(int numero) const;

    bool operator==(const Impostazioni& altre) const;

    // Two lists of exercises alike. Qt 6.4 compares two empty lists of
    // numbers with memcmp on null pointers, which is undefined.
    static bool uguali(const QList<int>& a, const QList<int>& b);
};
