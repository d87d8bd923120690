// A class of pupils at work: thousands of exercises across all fifteen
// windows, with right and wrong clicks, "avanti", "Azzera conteggio", "Esci"
// and back, checking after every answer what a teacher relies on.
// VORTELIA_SOAK_EXERCISES sets how many (10000 by default).

#include "doubles/Pupil.h"
#include "doubles/TestBench.h"

#include "app/FormMenu.h"
#include "app/VociMenu.h"
#include "common/FinestraEsercizio.h"
#include "common/platform/NumberText.h"
#include "common/platform/PictureButton.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

#include <random>

namespace {

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

QString counterText(int count, bool reset) {
    return reset ? NumberText::plainForm(count) : NumberText::signedForm(count);
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

    TestBench bench;
    std::mt19937 pupil{20261208};
    int esatti = 0, errati = 0;
    bool esattiReset = true, erratiReset = true;
    int exercises = 0, rightClicks = 0, wrongClicks = 0;

    int chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pupil); }

    void checkCounters(FinestraEsercizio* w) {
        QCOMPARE(w->EtichettaEsatti->text(), counterText(esatti, esattiReset));
        QCOMPARE(w->EtichettaErrati->text(), counterText(errati, erratiReset));
        QCOMPARE(int(bench.stato().NumeroEsatti), esatti);
        QCOMPARE(int(bench.stato().NumeroErrati), errati);
        QCOMPARE(TestBench::visibleWindows(), 1);
    }

    // One exercise, from its set-up to "avanti".
    void playOne(FinestraEsercizio* w) {
        QVERIFY(!w->BottoneAvanti->isEnabled());
        const auto answers = w->controlliRisposta();
        for (int pick = 0; pick < Pupil::picksPerExercise(w); ++pick) {
            const auto right = Pupil::rightAnswers(w, bench.stato());
            QCOMPARE(right.size(), 1);
            for (int wrong = chance(3); wrong > 0; --wrong) {
                QWidget* other = answers[chance(int(answers.size()))];
                if (other == right.first())
                    continue;
                TestBench::click(other);
                ++errati;
                erratiReset = false;
                ++wrongClicks;
                QVERIFY(w->ComandoIconaNo->isVisible());
                QVERIFY(!w->BottoneAvanti->isEnabled());
                checkCounters(w);
            }
            TestBench::click(right.first());
            ++rightClicks;
        }
        ++esatti;
        esattiReset = false;
        QVERIFY(w->ComandoIconaSi->isVisible());
        QVERIFY(w->BottoneAvanti->isEnabled());
        checkCounters(w);
        // A solved question takes no more answers.
        TestBench::click(answers[chance(int(answers.size()))]);
        checkCounters(w);
        ++exercises;
        if (chance(50) == 0) {
            w->MenuAzzera_Click();
            esatti = errati = 0;
            esattiReset = erratiReset = true;
            checkCounters(w);
        }
        TestBench::click(w->BottoneAvanti);
        // The recorders would otherwise be what grows.
        bench.suoni.played.clear();
        bench.messaggi.asked.clear();
    }

private slots:
    void initTestCase() {
        // As the program does at start: every picture is read once.
        QCOMPARE(bench.figure.verifica(), 0);
    }

    void pupilsAtWork() {
        const int target = qEnvironmentVariableIntValue("VORTELIA_SOAK_EXERCISES") > 0
                               ? qEnvironmentVariableIntValue("VORTELIA_SOAK_EXERCISES")
                               : 10000;
        long rssAt100 = 0;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        while (exercises < target) {
            const VoceMenu& voce = vociMenu()[std::size_t(chance(15))];
            TestBench::click(menu->Command(voce.numero));
            TestBench::flush();
            auto* w = qobject_cast<FinestraEsercizio*>(bench.current());
            QVERIFY(w);
            QCOMPARE(w->id(), voce.apre);
            esatti = errati = 0;
            esattiReset = erratiReset = true;
            checkCounters(w);
            for (int n = 1 + chance(40); n > 0 && exercises < target; --n) {
                playOne(w);
                if (QTest::currentTestFailed())
                    return;
                if (exercises == 100)
                    rssAt100 = residentKb();
                if (exercises % 1000 == 0 && qEnvironmentVariableIsSet("VORTELIA_SOAK_TRACE"))
                    qInfo("soak: %d exercises, resident %ld kB, %d top-level widgets", exercises,
                          residentKb(), int(QApplication::topLevelWidgets().size()));
            }
            bench.messaggi.answer(MessageBoxService::Answer::Yes);
            w->mnuEsci_Click();
            TestBench::flush();
            menu = qobject_cast<FormMenu*>(bench.current());
            QVERIFY(menu);
            QCOMPARE(TestBench::visibleWindows(), 1);
        }
        const long rssAtEnd = residentKb();
        qInfo("soak: %d exercises, %d right clicks, %d wrong clicks; resident %ld kB after 100, "
              "%ld kB after %d",
              exercises, rightClicks, wrongClicks, rssAt100, rssAtEnd, exercises);
#ifndef __SANITIZE_ADDRESS__ // its quarantine keeps freed memory resident on purpose
        if (exercises >= 1000)
            QVERIFY2(rssAtEnd - rssAt100 < 6 * 1024, "resident memory grows with the exercises");
#endif
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_Soak.moc"
