// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it moves between its windows: a whole session with the
// keyboard alone, windows and boxes destroyed from outside, the class
// record's pupil from "Chi sei?" to the end, and a program file that does
// not need the audio libraries.

#include "support/OpenBox.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/CatalogoFinestre.h"
#include "app/FormAvvio.h"
#include "app/FormChiSei.h"
#include "app/FormMenu.h"
#include "common/Registrazione.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/system/DestroyedWindowWatcher.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/QtMessageBox.h"
#include "common/settings/Impostazioni.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QtTest>

namespace {

using Answer = MessageBoxService::Answer;

// "Esci" in the window's menu bar, clicked as a pupil would.
void clickEsci(FinestraEsercizio* window) {
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, Qt::NoModifier,
                      window->menuBar()->actionGeometry(window->mnuEsci).center());
}

} // namespace

class tst_Programma : public QObject {
    Q_OBJECT

private slots:
    // The program file does not need the audio libraries: the many libraries
    // they pull in would be loaded and linked before the first paint.
    void audioLibrariesNotLoadedAtStart() {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(VORTELIA_APP_DIR "/vortelia")});
        QVERIFY(ldd.waitForFinished(30000));
        const QString needed = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Widgets")), qPrintable(needed));
        QVERIFY2(!needed.contains(QStringLiteral("libQt6Multimedia")), qPrintable(needed));
        QVERIFY2(!needed.contains(QStringLiteral("libpulse")), qPrintable(needed));
    }

    void cleanup() { TestBench::closeAll(); }

    // From "Avvio" through an exercise and back, and out of the program,
    // with the keyboard alone.
    void aWholeSessionWithTheKeyboard() {
        TestBench bench;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio && Windows::activate(avvio));
        QCOMPARE(QApplication::focusWidget(), avvio->BottoneAvvio);
        Windows::key(avvio, Qt::Key_Return);
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && Windows::activate(menu));

        Windows::key(menu, Qt::Key_Return); // "Trova la rotazione - 4"
        TestBench::flush();
        auto* w = qobject_cast<TrovaRotazione*>(bench.current());
        QVERIFY(w && Windows::activate(w));
        QCOMPARE(w->id(), FinestraId::FormEs6);
        const auto right = Pupil::rightAnswers(w);
        Windows::key(w, Qt::Key_0 + Pupil::place(w, right.first()));
        QCOMPARE(QApplication::focusWidget(), w->BottoneAvanti);
        Windows::key(w, Qt::Key_Enter, Qt::KeypadModifier);

        bench.messaggi.answer(Answer::Yes);
        Windows::key(w, Qt::Key_Escape);
        TestBench::flush();
        menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && Windows::activate(menu));
        Windows::key(menu, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu->BottoneEsci);
        bench.messaggi.answer(Answer::Yes);
        Windows::key(menu, Qt::Key_Return);
        QCOMPARE(bench.messaggi.asked.last().text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(bench.quitCalls, 1);
    }

    // With the record off (as by default), or on with no class's names,
    // "Avvio" opens the menu and no entry is ever handed on; the names
    // missing are said once.
    void recordOffAsksNoName_data() {
        QTest::addColumn<bool>("acceso");
        QTest::newRow("off") << false;
        QTest::newRow("on, no names") << true;
    }
    void recordOffAsksNoName() {
        QFETCH(bool, acceso);
        if (acceso)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("elenco della classe"));
        auto tenuto = acceso ? std::make_unique<TestBench>(TestBench::Classe{})
                             : std::make_unique<TestBench>();
        TestBench& bench = *tenuto;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        TestBench::click(avvio->BottoneAvvio);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(Pupil::waitForExercise(w));
        TestBench::click(Pupil::wrongAnswer(w));
        QVERIFY(Pupil::solve(w));
        bench.programma.terminaProgramma();
        QCOMPARE(bench.registro.voci.size(), 0);
    }

    // With the record on, "Avvio" asks "Chi sei?"; the name picked with the
    // keyboard signs the answers and holds through the menu until the start
    // window is back, when "Avvio" asks again.
    void theNameHoldsUntilTheStartWindow() {
        TestBench bench(TestBench::Classe{{"Bruno", "Anna"}});
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio && Windows::activate(avvio));
        Windows::key(avvio, Qt::Key_Return);
        TestBench::flush();
        auto* chiSei = qobject_cast<FormChiSei*>(bench.current());
        QVERIFY(chiSei && Windows::activate(chiSei));
        Windows::key(chiSei, Qt::Key_Return); // the first name: Anna
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && Windows::activate(menu));
        using T = VoceRegistro::Tipo;
        QCOMPARE(bench.registro.voci.size(), 1);
        QCOMPARE(bench.registro.voci[0].tipo, T::Inizio);
        QCOMPARE(bench.registro.voci[0].alunno, QStringLiteral("Anna"));
        QCOMPARE(bench.registro.voci[0].quando, bench.orologio.utc);

        Windows::key(menu, Qt::Key_Return); // "Trova la rotazione - 4"
        TestBench::flush();
        auto* w = qobject_cast<FinestraEsercizio*>(bench.current());
        QVERIFY(w && Windows::activate(w) && Pupil::waitForExercise(w));
        const int posto = Pupil::place(w, Pupil::rightAnswers(w).value(0));
        Windows::key(w, Qt::Key_0 + posto);
        const QList<VoceRegistro> risposte = bench.registro.of(T::Risposta);
        QCOMPARE(risposte.size(), 1);
        QCOMPARE(risposte[0].alunno, QStringLiteral("Anna"));
        QCOMPARE(risposte[0].finestra, QStringLiteral("FormEs6"));
        QCOMPARE(risposte[0].scelto, QString::number(posto));
        QVERIFY(risposte[0].giusta);

        bench.messaggi.answer(Answer::Yes);
        w->mnuEsci->trigger();
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        QVERIFY(bench.registro.of(T::Fine).isEmpty());

        avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QCOMPARE(bench.registro.of(T::Fine).size(), 1);
        QCOMPARE(bench.registro.voci.last().alunno, QStringLiteral("Anna"));
        TestBench::click(avvio->BottoneAvvio);
        TestBench::flush();
        QVERIFY(qobject_cast<FormChiSei*>(bench.current()));
        QCOMPARE(bench.programma.registrazione().alunno(), QString());
    }

    // The program's end ends the pupil's turn: "Esci" in the menu, the
    // teacher's keys, the last window closed.
    void theEndOfTheProgramEndsTheTurn_data() {
        QTest::addColumn<QString>("via");
        QTest::newRow("Esci") << "esci";
        QTest::newRow("teacher's keys") << "tasti";
        QTest::newRow("window closed") << "chiusa";
    }
    void theEndOfTheProgramEndsTheTurn() {
        QFETCH(QString, via);
        TestBench bench(TestBench::Classe{{"Anna"}});
        if (via == "tasti") {
            Impostazioni blocco;
            blocco.blocco = true;
            bench.impostazioni(blocco);
        }
        QVERIFY(bench.chiSei("Anna"));
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && Windows::activate(menu));
        bench.messaggi.answer(Answer::Yes);
        if (via == "esci")
            TestBench::click(menu->BottoneEsci);
        else if (via == "tasti")
            Windows::key(menu, Qt::Key_E,
                         Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        else
            delete menu;
        TestBench::flush();
        QCOMPARE(bench.quitCalls, 1);
        const QList<VoceRegistro> fine = bench.registro.of(VoceRegistro::Tipo::Fine);
        QCOMPARE(fine.size(), 1);
        QCOMPARE(fine[0].alunno, QStringLiteral("Anna"));
    }

    // A window that disappears without the program's asking (deleted, or its
    // native window destroyed by another program) was the only one open: the
    // program ends, as when its last window is closed.
    void windowGoneFromOutsideEndsTheProgram_data() {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<bool>("nativeOnly");
        QTest::newRow("start window deleted") << int(FinestraId::FormAvvio) << false;
        QTest::newRow("menu deleted") << int(FinestraId::FormMenu) << false;
        QTest::newRow("exercise deleted") << int(FinestraId::FormEs2) << false;
        QTest::newRow("menu's window destroyed") << int(FinestraId::FormMenu) << true;
        QTest::newRow("exercise's window destroyed") << int(FinestraId::FormEs2) << true;
    }
    void windowGoneFromOutsideEndsTheProgram() {
        QFETCH(int, finestra);
        QFETCH(bool, nativeOnly);
        TestBench bench;
        QPointer<QWidget> window = bench.open<QWidget>(FinestraId(finestra));
        QVERIFY(window);
        if (nativeOnly)
            DestroyedWindowWatcher::windowDestroyed(window->internalWinId());
        else
            delete window.data();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(bench.current(), nullptr);
        QCOMPARE(bench.quitCalls, 1);
        QCOMPARE(TestBench::visibleWindows(), 0);
    }

    // "Vuoi tornare al menù?" destroyed from outside counts as "No": the
    // exercise goes on and answers clicks.
    void esciBoxDestroyedLeavesTheExerciseAnswering() {
        QtMessageBox boxes;
        TestBench bench(creaFinestra, &boxes);
        FinestraEsercizio* window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window);
        bool stuck = false;
        OpenBox::whenShown(
            [](QWidget* box) { DestroyedWindowWatcher::windowDestroyed(box->internalWinId()); },
            &stuck);
        clickEsci(window);
        QVERIFY(!stuck);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bench.current(), window);
        QVERIFY(window->isVisible());
        QVERIFY(Pupil::solve(window));
        QCOMPARE(window->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(bench.quitCalls, 0);
    }

    // The exercise window destroyed while its question is open: the question
    // is dismissed and the program ends, with nothing deleted under the
    // handler that asked.
    void windowDestroyedUnderItsOpenBoxEndsTheProgram() {
        QtMessageBox boxes;
        TestBench bench(creaFinestra, &boxes);
        QPointer<FinestraEsercizio> window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window);
        bool stuck = false;
        const WId id = window->internalWinId();
        OpenBox::whenShown([id](QWidget*) { DestroyedWindowWatcher::windowDestroyed(id); }, &stuck);
        clickEsci(window);
        QVERIFY(!stuck);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(bench.quitCalls, 1);
        QCOMPARE(TestBench::visibleWindows(), 0);
    }

    // A quiet lab: a right and a wrong answer show their faces and counts,
    // and not one sound is asked of the player.
    void soundsOffPlayNothing() {
        TestBench bench;
        Impostazioni quiete;
        quiete.suoniAttivi = false;
        bench.impostazioni(quiete);
        auto* window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(Pupil::waitForExercise(window));
        TestBench::click(Pupil::wrongAnswer(window));
        QVERIFY(Pupil::solve(window));
        QCOMPARE(window->EtichettaErrati->text(), QStringLiteral(" 1"));
        QCOMPARE(window->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(window->ComandoIconaSi->isVisible());
        QCOMPARE(bench.suoni.played, QStringList());
    }

    // The volume reaches the player; Ctrl+M, in any window, mutes and
    // unmutes at once and tells a screen reader; the counts go on.
    void volumeAndTheMuteKey() {
        TestBench bench;
        Impostazioni piano;
        piano.volume = 30;
        bench.impostazioni(piano);
        QCOMPARE(bench.suoni.volume, 0.3);
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(Windows::activate(menu));
        Windows::key(menu, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(bench.interruttore.muted());
        QVERIFY(menu->accessibleDescription().contains(QLatin1String("Ctrl+M")));
        auto* window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window->accessibleDescription().contains(QLatin1String("Suoni tolti")));
        QVERIFY(Pupil::waitForExercise(window) && Pupil::solve(window));
        QCOMPARE(window->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(bench.suoni.played, QStringList());
        QVERIFY(Windows::activate(window));
        Windows::key(window, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!bench.interruttore.muted());
        QCOMPARE(window->accessibleDescription(), QString());
        TestBench::click(window->BottoneAvanti);
        QVERIFY(Pupil::waitForExercise(window) && Pupil::solve(window));
        QCOMPARE(bench.suoni.played.size(), 1);
    }

    // Pupils who cannot quit: every window opens in full screen, its close
    // button and F11 do nothing, the exercise's "Esci" still goes back to the
    // menu, and only the teacher's keys end the program.
    void lockedProgramKeepsRunning() {
        TestBench bench;
        Impostazioni blocco;
        blocco.blocco = true;
        bench.impostazioni(blocco);
        auto* window = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(window->windowState() & Qt::WindowFullScreen);
        QVERIFY(!window->close());
        QVERIFY(Windows::pressF11(window));
        QVERIFY(window->windowState() & Qt::WindowFullScreen);
        QCOMPARE(bench.current(), window);

        bench.messaggi.answer(Answer::Yes);
        window->mnuEsci->trigger();
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && (menu->windowState() & Qt::WindowFullScreen));
        QVERIFY(!menu->close());
        QCOMPARE(bench.quitCalls, 0);

        bench.messaggi.answer(Answer::Yes);
        QVERIFY(Windows::activate(menu));
        Windows::key(menu, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        TestBench::flush();
        QCOMPARE(bench.messaggi.asked.last().text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(bench.quitCalls, 1);
    }

    // Without the lock, the teacher's keys answer nothing; full screen at
    // start is a setting of its own.
    void fullScreenAtStartWithoutTheLock() {
        TestBench bench;
        Impostazioni schermo;
        schermo.schermoIntero = true;
        bench.impostazioni(schermo);
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(menu->windowState() & Qt::WindowFullScreen);
        QVERIFY(Windows::activate(menu));
        Windows::key(menu, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QVERIFY(bench.messaggi.asked.isEmpty());
        QVERIFY(Windows::pressF11(menu));
        QVERIFY(!(menu->windowState() & Qt::WindowFullScreen));
    }
};

VORTELIA_TEST_MAIN(tst_Programma)
#include "tst_Programma.moc"
