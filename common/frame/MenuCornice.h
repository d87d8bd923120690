// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class KeyboardMenuBar;
class QAction;
class QMainWindow;

// The menu bar of an exercise window and its three entries; what they do
// is the window's.
struct MenuCornice {
    KeyboardMenuBar* barra;
    QAction* azzera;
    QAction* informazioni;
    QAction* esci;

    static MenuCornice crea(QMainWindow& finestra);
};
