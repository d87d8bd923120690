// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Every window of the program.
enum class FinestraId {
    FormAvvio,
    FormMenu,
    FormEs1,
    FormEs2,
    FormEs3,
    FormEs4,
    FormEs5,
    FormEs6,
    FormEs7,
    FormEs8,
    FormEs9,
    FormEs10,
    FormEs11,
    FormEs12,
    FormEs13,
    FormEs14,
    FormEs15,
    // "Chi sei?", before the menu while the class record is kept.
    FormChiSei,
};

// FormEs1 .. FormEs15 from their number.
constexpr FinestraId formEs(int number) {
    return static_cast<FinestraId>(static_cast<int>(FinestraId::FormEs1) + number - 1);
}

// The number of an exercise window, 1 for FormEs1; 0 for the other windows.
constexpr int numeroEsercizio(FinestraId id) {
    const int numero = static_cast<int>(id) - static_cast<int>(FinestraId::FormEs1) + 1;
    return numero >= 1 && numero <= 15 ? numero : 0;
}

// The number of an exercise window from its name, 2 for "FormEs2" (spelt
// so); 0 for any other name.
int numeroDaNome(QStringView nome);

// The caption of the menu button that opens an exercise window, which is also
// the window's title; empty for the other windows.
const char* titoloEsercizio(FinestraId id);
