// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoFinestre.h"
#include "ControlloDati.h"
#include "Programma.h"

#include "common/BibliotecaFigure.h"
#include "common/Modulo1.h"
#include "common/ModuloColoriSuoni.h"
#include "common/platform/AfterFirstPaint.h"
#include "common/platform/ApplicationFolder.h"
#include "common/platform/ClockRandom.h"
#include "common/platform/DestroyedWindowWatcher.h"
#include "common/platform/FullScreen.h"
#include "common/platform/HeldKeyFilter.h"
#include "common/platform/LazySoundPlayer.h"
#include "common/platform/QtMessageBox.h"
#include "common/platform/SharedHeap.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // Pictures are decoded on worker threads too: with a heap of their own
    // each, they would keep megabytes of freed pictures to themselves.
    SharedHeap::useOne();
    QApplication app(argc, argv);
    QApplication::setApplicationName(Modulo1::titolo());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vortelia.Vortelia"));

    // Qt's own Italian strings give the standard buttons "Sì" and "No".
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    // A pupil who leans on a key gives one answer, not one per repeat.
    HeldKeyFilter heldKeys;
    app.installEventFilter(&heldKeys);

    DestroyedWindowWatcher destroyedWindows;
    app.installNativeEventFilter(&destroyedWindows);

    const ApplicationFolder applicationFolder;
    const QString folder = applicationFolder.path();
    ClockRandom rnd;
    QtMessageBox messaggi;
    LazySoundPlayer suoni(folder + QLatin1Char('/') + LazySoundPlayer::moduleName());
    // Each window tells the library the size its boxes have on the screen.
    BibliotecaFigure figure(folder);

    Programma programma(rnd, messaggi, suoni, figure, folder, creaFinestra,
                        [] { QApplication::quit(); });
    // For the whiteboard: every window in full screen from the start.
    if (app.arguments().contains(QStringLiteral("--schermo-intero")))
        programma.setStatoIniziale(Qt::WindowFullScreen);
    programma.setGestoreFinestre(&FullScreen::windowManagerAnswers);
    Modulo1::Main(rnd, programma);
    // Once the start window is on the screen: the pictures are checked on a
    // thread of their own, and the sound system is loaded and the sounds made
    // ready, so that the first answer is heard at once.
    ControlloDati controllo(programma.contesto(),
                            [&programma] { return programma.finestraCorrente(); });
    AfterFirstPaint::run(programma.finestraCorrente(), [&controllo, &suoni, folder] {
        controllo.avvia();
        suoni.preload(ModuloColoriSuoni::percorsiSuoni(folder));
    });
    return app.exec();
}
