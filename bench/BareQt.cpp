// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline for start-up and memory: a bare Qt Widgets program, a main
// window with a menu bar, the start window's size and nothing else.

#include "FirstPaintHook.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

void benchOpenEveryWindow() {}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    window.menuBar()->addAction(QStringLiteral("Azzera conteggio"));
    window.menuBar()->addAction(QStringLiteral("Informazioni"));
    window.menuBar()->addAction(QStringLiteral("Esci"));
    window.setCentralWidget(new QWidget);
    window.resize(701, 557);
    if (app.arguments().contains(QStringLiteral("--schermo-intero")))
        window.showFullScreen();
    else
        window.show();
    return app.exec();
}
