#include "CatalogoFinestre.h"
#include "Modulo1.h"
#include "Programma.h"

#include "common/ClockRandom.h"
#include "common/FigureLibrary.h"
#include "common/ModuloColoriSuoni.h"
#include "common/QtMessageBox.h"
#include "common/QtSoundPlayer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortelia"));

    // Qt's own Italian strings give the standard buttons "Sì" and "No".
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    const QString folder = QApplication::applicationDirPath();
    ClockRandom rnd;
    QtMessageBox messaggi;
    QtSoundPlayer suoni;
    suoni.preload(ModuloColoriSuoni::percorsiSuoni(folder));
    FigureLibrary figure(folder);

    Programma programma(rnd, messaggi, suoni, figure, folder, creaFinestra,
                        [] { QApplication::quit(); });
    Modulo1::Main(rnd, programma);
    return app.exec();
}
