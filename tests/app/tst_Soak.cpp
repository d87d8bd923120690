// SPDX-License-Identifier: GPL-3.0-or-later
// A class of pupils at work: thousands of exercises across all fifteen
// windows, with right and wrong clicks, "avanti", "Azzera conteggio", "Esci"
// and back, checking after every answer what a teacher relies on. A second
// run works from a picture folder that is taken away and brought back at
// random moments, as a loose stick or a flaky share would.
// VORTELIA_SOAK_EXERCISES sets how many (10000 by default, 1000 in sanitizer
// builds, a tenth of that for the second run).

#include "support/ProcessMemory.h"
#include "support/Pupil.h"
#include "support/TempLibrary.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "app/FormMenu.h"
#include "app/VociMenu.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/services/NumberText.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

#include <random>

namespace {

QString counterText(int count, bool reset) {
    return reset ? NumberText::plainForm(count) : NumberText::signedForm(count);
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

    std::unique_ptr<TestBench> bench;
    // The library that comes and goes; null in the first run.
    std::unique_ptr<TempLibrary> library;
    std::mt19937 pupil{20261208};
    int esatti = 0, errati = 0;
    bool esattiReset = true, erratiReset = true;
    int exercises = 0, rightClicks = 0, wrongClicks = 0, losses = 0;

    int chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pupil); }

    void resetCounts() {
        esatti = errati = 0;
        esattiReset = erratiReset = true;
    }

    void checkCounters(FinestraEsercizio* w) {
        QCOMPARE(w->EtichettaEsatti->text(), counterText(esatti, esattiReset));
        QCOMPARE(w->EtichettaErrati->text(), counterText(errati, erratiReset));
        QCOMPARE(int(bench->stato().NumeroEsatti), esatti);
        QCOMPARE(int(bench->stato().NumeroErrati), errati);
        QCOMPARE(TestBench::visibleWindows(), 1);
    }

    // Every picture of the exercise on the screen was read.
    void checkShown(FinestraEsercizio* w) {
        for (auto* box : w->area()->findChildren<ImageBox*>())
            QVERIFY2(!box->isMissing(), "an exercise is shown with a picture that was not read");
        for (QWidget* answer : w->controlliRisposta())
            QVERIFY(static_cast<ImageBox*>(answer)->picture());
    }

    // Sometimes the picture folder goes away or comes back.
    void shakeLibrary() {
        if (!library || chance(25) != 0)
            return;
        QVERIFY(library->present() ? library->takeAway() : library->bringBack());
    }

    // A click that answers; then what a teacher relies on.
    void answer(FinestraEsercizio* w, QWidget* control) {
        shakeLibrary();
        TestBench::click(control);
        checkShown(w);
        checkCounters(w);
    }

    // One exercise, from its set-up to "avanti". False when "avanti" found no
    // pictures and went back to the menu.
    bool playOne(FinestraEsercizio* w) {
        [&] {
            QVERIFY(!w->BottoneAvanti->isEnabled());
            const auto answers = w->controlliRisposta();
            for (int pick = 0; pick < Pupil::picksPerExercise(w); ++pick) {
                const auto right = Pupil::rightAnswers(w);
                QCOMPARE(right.size(), 1);
                for (int wrong = chance(3); wrong > 0; --wrong) {
                    QWidget* other = answers[chance(int(answers.size()))];
                    if (other == right.first())
                        continue;
                    ++errati;
                    erratiReset = false;
                    ++wrongClicks;
                    answer(w, other);
                    QVERIFY(w->ComandoIconaNo->isVisible());
                    QVERIFY(!w->BottoneAvanti->isEnabled());
                }
                if (pick + 1 == Pupil::picksPerExercise(w)) {
                    ++esatti;
                    esattiReset = false;
                }
                ++rightClicks;
                answer(w, right.first());
            }
            QVERIFY(w->ComandoIconaSi->isVisible());
            QVERIFY(w->BottoneAvanti->isEnabled());
            // A solved question takes no more answers.
            answer(w, answers[chance(int(answers.size()))]);
            ++exercises;
            if (chance(50) == 0) {
                w->MenuAzzera_Click();
                resetCounts();
                checkCounters(w);
            }
        }();
        if (QTest::currentTestFailed())
            return false;
        shakeLibrary();
        const bool readable = !library || library->present();
        bench->messaggi.asked.clear();
        TestBench::click(w->BottoneAvanti);
        TestBench::flush();
        // The recorders would otherwise be what grows.
        bench->suoni.played.clear();
        if (readable) {
            [&] {
                QCOMPARE(bench->current(), w);
                QVERIFY(bench->messaggi.asked.isEmpty());
                checkShown(w);
                checkCounters(w);
            }();
            return true;
        }
        // One message, then the menu with the counts reset as by "Esci".
        ++losses;
        resetCounts();
        [&] {
            QCOMPARE(bench->messaggi.asked.size(), 1);
            QVERIFY(bench->messaggi.asked[0].text.contains("non si possono più leggere"));
            QVERIFY(qobject_cast<FormMenu*>(bench->current()));
            QCOMPARE(TestBench::visibleWindows(), 1);
            QCOMPARE(int(bench->stato().NumeroEsatti), 0);
            QCOMPARE(int(bench->stato().NumeroErrati), 0);
        }();
        return false;
    }

    // Pupils go from the menu to exercises and back until `target` exercises are done.
    void work(int target) {
        auto* menu = bench->open<FormMenu>(FinestraId::FormMenu);
        QVERIFY(menu);
        long rssAt100 = 0;
        while (exercises < target) {
            shakeLibrary();
            const bool readable = !library || library->present();
            const VoceMenu& voce = vociMenu()[std::size_t(chance(15))];
            bench->messaggi.asked.clear();
            TestBench::click(menu->Command(voce.numero));
            TestBench::flush();
            if (!readable) {
                // No exercise without its pictures: a message, and the menu stays.
                QCOMPARE(bench->current(), menu);
                QCOMPARE(bench->messaggi.asked.size(), 1);
                QCOMPARE(TestBench::visibleWindows(), 1);
                continue;
            }
            auto* w = qobject_cast<FinestraEsercizio*>(bench->current());
            QVERIFY(w);
            QCOMPARE(w->id(), voce.apre);
            resetCounts();
            checkCounters(w);
            checkShown(w);
            bool inWindow = true;
            for (int n = 1 + chance(40); n > 0 && exercises < target && inWindow; --n) {
                inWindow = playOne(w);
                if (QTest::currentTestFailed())
                    return;
                if (exercises == 100)
                    rssAt100 = ProcessMemory::residentKb();
                if (exercises % 1000 == 0 && qEnvironmentVariableIsSet("VORTELIA_SOAK_TRACE"))
                    qInfo("soak: %d exercises, resident %ld kB, %d top-level widgets", exercises,
                          ProcessMemory::residentKb(), int(QApplication::topLevelWidgets().size()));
            }
            if (inWindow) {
                bench->messaggi.answer(MessageBoxService::Answer::Yes);
                w->mnuEsci_Click();
                TestBench::flush();
                resetCounts();
            }
            menu = qobject_cast<FormMenu*>(bench->current());
            QVERIFY(menu);
            QCOMPARE(TestBench::visibleWindows(), 1);
        }
        const long rssAtEnd = ProcessMemory::residentKb();
        qInfo("soak: %d exercises, %d right clicks, %d wrong clicks, %d times back for want of "
              "pictures; resident %ld kB after 100, %ld kB after %d",
              exercises, rightClicks, wrongClicks, losses, rssAt100, rssAtEnd, exercises);
#ifndef __SANITIZE_ADDRESS__ // its quarantine keeps freed memory resident on purpose
        if (exercises >= 1000)
            QVERIFY2(rssAtEnd - rssAt100 < 6 * 1024, "resident memory grows with the exercises");
#endif
    }

    static int target() {
#ifdef __SANITIZE_ADDRESS__
        // Checked memory makes every picture decode several times slower: a
        // fifth of the run keeps within Qt Test's five minutes.
        constexpr int byDefault = 1000;
#else
        constexpr int byDefault = 10000;
#endif
        return qEnvironmentVariableIntValue("VORTELIA_SOAK_EXERCISES") > 0
                   ? qEnvironmentVariableIntValue("VORTELIA_SOAK_EXERCISES")
                   : byDefault;
    }

private slots:
    void init() {
        exercises = rightClicks = wrongClicks = losses = 0;
        resetCounts();
    }
    void cleanup() {
        bench.reset();
        library.reset();
        TestBench::flush();
    }

    void pupilsAtWork() {
        bench = std::make_unique<TestBench>();
        // As the program does at start: every picture is read once.
        QVERIFY(bench->figure.verifica().inutilizzabili.isEmpty());
        work(target());
    }

    void libraryComesAndGoes() {
        library = std::make_unique<TempLibrary>();
        bench = std::make_unique<TestBench>(library->folder());
        work(std::max(1, target() / 10));
        QVERIFY2(losses > 0, "the library never went away at a set-up");
    }
};

VORTELIA_TEST_MAIN(tst_Soak)
#include "tst_Soak.moc"
