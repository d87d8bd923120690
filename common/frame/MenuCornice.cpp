// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuCornice.h"

#include "common/platform/widgets/KeyboardMenuBar.h"

#include <QMainWindow>

MenuCornice MenuCornice::crea(QMainWindow& finestra) {
    auto* barra = new KeyboardMenuBar(&finestra);
    barra->setAccessibleName(QStringLiteral("Barra dei menu"));
    finestra.setMenuBar(barra);
    // The trailing blanks belong to the captions: they widen the entries.
    MenuCornice menu{barra, barra->addAction(QStringLiteral("Azzera conteggio        ")),
                     barra->addAction(QStringLiteral("Informazioni          ")),
                     barra->addAction(QStringLiteral("Esci"))};
    barra->keepStoredHeight();
    return menu;
}
