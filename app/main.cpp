// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArgomentiSistema.h"
#include "AzioniRiga.h"
#include "CatalogoFinestre.h"
#include "ControlloDati.h"
#include "ImpostazioniInVigore.h"
#include "Programma.h"
#include "RegistroDelSistema.h"
#include "RigaComando.h"
#include "RigaRegistro.h"
#include "RigaScheda.h"
#include "teacher/AreaInsegnante.h"
#include "teacher/PagineInsegnante.h"

#include "common/Modulo1.h"
#include "common/ModuloColoriSuoni.h"
#include "common/Registrazione.h"
#include "common/class_figures/FigureClasse.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/Clock.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/sound/LazySoundPlayer.h"
#include "common/platform/sound/SoundSwitch.h"
#include "common/platform/system/ApplicationFolder.h"
#include "common/platform/system/DestroyedWindowWatcher.h"
#include "common/platform/system/EndOfProcess.h"
#include "common/platform/system/FullScreen.h"
#include "common/platform/system/HeldKeyFilter.h"
#include "common/platform/system/SharedHeap.h"
#include "common/platform/widgets/AfterFirstPaint.h"
#include "common/platform/widgets/QtMessageBox.h"
#include "common/settings/DescrizioneImpostazioni.h"

#include <QApplication>
#include <QHashFunctions>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTextStream>
#include <QTranslator>

namespace {

// The settings of this PC, each warning said on standard error as it comes.
ImpostazioniInVigore impostazioniDelSistema(QTextStream& err) {
    return ImpostazioniInVigore(FontiImpostazioni::delSistema(), [&err](const QString& avviso) {
        err << avviso << '\n';
        err.flush();
    });
}

// The class record from the command line: no window, no display needed.
int registroDaRiga(int& argc, char** argv, const QStringList& testi) {
    QTextStream in(stdin), out(stdout), err(stderr);
    const auto letta = RigaRegistro::leggi(testi);
    if (const QString* motivo = std::get_if<QString>(&letta)) {
        err << "vortelia: " << *motivo << " (vortelia --help elenca le opzioni)\n";
        return 2;
    }
    QCoreApplication app(argc, argv);
    return RigaRegistro::esegui(std::get<RigaRegistro::Opzioni>(letta),
                                FontiImpostazioni::delSistema(), in, out, err);
}

// The options for a school's technician: no window, no display needed.
int senzaFinestre(int& argc, char** argv, const RigaComando::Scelta& scelta) {
    QTextStream out(stdout), err(stderr);
    if (scelta.azione == RigaComando::Azione::Impostazioni) {
        out << descriviImpostazioni(leggiImpostazioni(FontiImpostazioni::delSistema()));
        return 0;
    }
    const bool figure = scelta.azione == RigaComando::Azione::NuovaFigura ||
                        scelta.azione == RigaComando::Azione::TogliFigura ||
                        scelta.azione == RigaComando::Azione::ElencaFigure;
    const FigureClasse classe = FigureClasse::delSistema(
        figure ? impostazioniDelSistema(err).leggi().cartellaFigure : QString());
    if (scelta.azione != RigaComando::Azione::NuovaFigura)
        return AzioniRiga::esegui(scelta, classe, out, err);
    // Drawing a figure needs a painter and fonts, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return AzioniRiga::esegui(scelta, classe, out, err);
}

// The program with its windows, the pupils' or the teacher's area; all it
// made is gone when this returns.
int conFinestre(QApplication& app, const RigaComando::Scelta& scelta) {
    QApplication::setApplicationName(Modulo1::titolo());
    // Qt's style keeps the bevel of every button it has drawn, at every size,
    // in a cache of 10 MB shared by all windows: in full screen the large
    // bevels of windows long closed would stay there. Drawing one again is
    // quick, and the window on show keeps its picture of the screen anyway.
    QPixmapCache::setCacheLimit(64);
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
    QtMessageBox messaggi;
    if (scelta.azione == RigaComando::Azione::Figure ||
        scelta.azione == RigaComando::Azione::Insegnante) {
        const auto area = PagineInsegnante::crea(FontiImpostazioni::delSistema(),
                                                 folder + QStringLiteral("/jpg"), messaggi);
        area->adatta();
        area->show();
        return app.exec();
    }
    ClockRandom rnd;
    LazySoundPlayer suoni(folder + QLatin1Char('/') + LazySoundPlayer::moduleName());
    // The settings and Ctrl+M switch the sounds off before they reach the player.
    SoundSwitch interruttore(suoni);
    // Each window tells the library the size its boxes have on the screen.
    BibliotecaFigure figure(folder);

    QTextStream err(stderr);
    ImpostazioniInVigore inVigore = impostazioniDelSistema(err);
    const SystemClock orologio;
    const RegistroDelSistema registro(inVigore.leggi(), orologio, err);
    Programma programma(
        rnd, messaggi, interruttore, figure, folder, creaFinestra, [] { QApplication::quit(); },
        registro.inUso(), &orologio);
    // The class's own figures, the teacher's over the school's, over the
    // shipped ones; a folder the settings name, from the next window on.
    QString cartellaFigure;
    figure.impostaClasse(FigureClasse::delSistema().cartellePerLettera());
    programma.setImpostazioni([&inVigore, &figure, &cartellaFigure] {
        const Impostazioni valori = inVigore.leggi();
        if (valori.cartellaFigure != cartellaFigure) {
            cartellaFigure = valori.cartellaFigure;
            figure.impostaClasse(FigureClasse::delSistema(cartellaFigure).cartellePerLettera());
        }
        return valori;
    });
    // For the whiteboard: every window in full screen from the start.
    if (scelta.schermoIntero)
        programma.setStatoIniziale(Qt::WindowFullScreen);
    programma.setGestoreFinestre(&FullScreen::windowManagerAnswers);
    Modulo1::Main(rnd, programma);
    // Once the start window is on the screen: the pictures are checked on a
    // thread of their own, and the sound system is loaded and the sounds made
    // ready, so that the first answer is heard at once.
    ControlloDati controllo(programma.contesto(),
                            [&programma] { return programma.finestraCorrente(); });
    AfterFirstPaint::run(programma.finestraCorrente(), [&controllo, &suoni, &programma, folder] {
        controllo.avvia();
        // A lab without sounds never loads the sound system.
        if (programma.impostazioni().suoniAttivi)
            suoni.preload(ModuloColoriSuoni::percorsiSuoni(folder));
    });
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures are decoded on worker threads too: with a heap of their own
    // each, they would keep megabytes of freed pictures to themselves.
    SharedHeap::useOne();
    // Qt's PDF writer lists the fonts in a hash's order: with a seed drawn
    // anew for each run, the same worksheet or record would come out in
    // other bytes, from the command line and the teacher's area alike.
    QHashSeed::setDeterministicGlobalSeed();
    QList<QByteArray> argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QByteArray(argv[i]);
    QStringList testi;
    for (const QByteArray& argomento : std::as_const(argomenti))
        testi << QString::fromLocal8Bit(argomento);
    if (const std::optional<int> scheda = RigaScheda::esegui(argc, argv, testi))
        return *scheda;
    if (RigaRegistro::richiesta(testi))
        return registroDaRiga(argc, argv, testi);
    const RigaComando::Scelta scelta = ArgomentiSistema::leggi(argomenti);
    if (AzioniRiga::senzaFinestre(scelta.azione))
        return senzaFinestre(argc, argv, scelta);

    QApplication app(argc, argv);
    const int stato = conFinestre(app, scelta);
    // Everything of the program's own is gone: the settings and the record
    // are written.
    EndOfProcess::skipWaylandTeardown(stato);
    return stato;
}
