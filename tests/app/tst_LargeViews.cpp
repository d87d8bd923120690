// SPDX-License-Identifier: GPL-3.0-or-later
// Views far larger than the boxes (photographs a technician put in the
// folder) take longer than a frame to decode: an exercise with such a letter
// is set up once they are read on another thread, while the window goes on.
// The draws, and what the pupil then sees, are those of a letter read at once.

#include "support/EventWatcher.h"
#include "support/Pupil.h"
#include "support/TempLibrary.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "app/FormMenu.h"
#include "common/StatoCondiviso.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QtTest>

namespace {

constexpr int largeSide = 1200; // eight of them are well over what decodes within a frame

QByteArray largeView(const QString& name) {
    return TempLibrary::encoded(QImage(TempLibrary::original(name)).scaled(largeSide, largeSide));
}

// The letter's eight views, each made large.
bool enlarge(const TempLibrary& library, QChar letter) {
    for (int n = 1; n <= 8; ++n) {
        const QString name = QString("%1%2.jpg").arg(letter).arg(n);
        if (!library.write(name, largeView(name)))
            return false;
    }
    return true;
}

// The letter's eight views, one large picture under eight names.
bool linkLarge(const TempLibrary& library, QChar letter, int side) {
    if (!library.write("large", TempLibrary::encoded(
                                    QImage(TempLibrary::original("a1.jpg")).scaled(side, side))))
        return false;
    for (int n = 1; n <= 8; ++n) {
        const QString name = library.file(QString("%1%2.jpg").arg(letter).arg(n));
        QFile::remove(name);
        if (!QFile::link(library.file("large"), name))
            return false;
    }
    return true;
}

QList<ImageBox*> candidates(FinestraEsercizio* w) {
    QList<ImageBox*> boxes;
    for (QWidget* control : w->controlliRisposta())
        if (auto* box = qobject_cast<ImageBox*>(control))
            boxes << box;
    return boxes;
}

// The letter the candidates show, null when they show pictures of several.
QChar letterShown(FinestraEsercizio* w) {
    QChar letter;
    for (ImageBox* box : candidates(w)) {
        if (!box->picture())
            return {};
        const QChar l = QFileInfo(box->picture()->file()).fileName().at(0);
        if (!letter.isNull() && l != letter)
            return {};
        letter = l;
    }
    return letter;
}

// What the pupil is shown and what the draws took for it.
struct SetUp {
    QChar letter;
    QStringList tags;
    int right = 0;
    int taken = 0;
    bool operator==(const SetUp&) const = default;
};

SetUp setUpOf(FinestraEsercizio* w, TestBench& bench) {
    SetUp s{letterShown(w), {}, bench.stato().FiguraGiusta, bench.rnd.taken()};
    for (ImageBox* box : candidates(w))
        s.tags << box->Tag;
    return s;
}

} // namespace

class tst_LargeViews : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::flush(); }

    // "Avanti" with a letter of large views: the call returns before they
    // are decoded, the old exercise waits with nothing to answer, and then
    // the new one is there, decoded for the boxes.
    void avantiReturnsBeforeLargeViewsAreRead() {
        TempLibrary library;
        QVERIFY(enlarge(library, 'c'));
        TestBench bench(library.folder());
        bench.rnd.scriptDraws({{0, 18}, {0, 26}}); // the colour, letter a
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs3);
        QVERIFY(w);
        QVERIFY(!w->inAttesa());
        QCOMPARE(letterShown(w), QChar('a'));
        QVERIFY(Pupil::solve(w));
        const int esatti = bench.stato().NumeroEsatti;

        bench.rnd.scriptDraws({{0, 18}, {2, 26}}); // letter c
        TestBench::click(w->BottoneAvanti);
        QVERIFY(w->inAttesa());
        QVERIFY(bench.figure.inLettura());
        QCOMPARE(letterShown(w), QChar('a'));
        QVERIFY(Pupil::clickAllDisabled(candidates(w)));
        QCOMPARE(bench.stato().NumeroEsatti, esatti);
        QCOMPARE(bench.stato().NumeroErrati, 0);
        QVERIFY(!w->BottoneAvanti->isEnabled());

        QVERIFY(Pupil::waitForExercise(w));
        QCOMPARE(letterShown(w), QChar('c'));
        for (ImageBox* box : candidates(w)) {
            QVERIFY(box->isEnabled());
            QVERIFY(box->picture()->image().width() < largeSide / 2);
        }
        QVERIFY(Pupil::solve(w));
        QCOMPARE(bench.stato().NumeroEsatti, esatti + 1);
    }

    // A letter whose views cannot all be read is drawn again, whether it was
    // found out at once or beside the window: the same values drawn, the same
    // exercise dealt.
    void unreadableLetterDrawnAgainAsIfReadAtOnce() {
        std::optional<SetUp> atOnce;
        for (const bool large : {false, true}) {
            TempLibrary library;
            if (large)
                QVERIFY(enlarge(library, 'c'));
            QVERIFY(library.truncate("c5.jpg"));
            TestBench bench(library.folder());
            bench.rnd.scriptDraws({{0, 18}, {0, 26}});
            auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs3);
            QVERIFY(w);
            QVERIFY(Pupil::solve(w));
            // Letter c, c again (already found unreadable), then d.
            bench.rnd.scriptDraws({{0, 18}, {2, 26}, {2, 26}, {3, 26}});
            w->BottoneAvanti_Click();
            QCOMPARE(w->inAttesa(), large);
            QVERIFY(Pupil::waitForExercise(w));
            const SetUp s = setUpOf(w, bench);
            QCOMPARE(s.letter, QChar('d'));
            if (atOnce)
                QVERIFY(s == *atOnce);
            atOnce = s;
            QVERIFY(Pupil::solve(w));
        }
    }

    // At a new size the boxes show their pictures scaled, and get them
    // decoded for the new side once they are, beside the window.
    void newSizeDecodesLargeViewsBesideTheWindow() {
        TempLibrary library;
        QVERIFY(linkLarge(library, 'c', 4000));
        TestBench bench(library.folder());
        bench.rnd.scriptDraws({{0, 18}, {2, 26}});
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs3);
        QVERIFY(w);
        QVERIFY(Pupil::waitForExercise(w));
        QVERIFY(QTest::qWaitForWindowExposed(w));
        ImageBox* box = candidates(w).first();
        const PicturePtr normal = box->picture();
        QCOMPARE(normal->image().width(), 120);
        QList<PicturePtr> painted;
        EventWatcher watcher(box, QEvent::Paint, [&] { painted << box->picture(); });
        w->resize(1920, 1080);
        QTRY_VERIFY(!painted.isEmpty());
        QCOMPARE(painted.first(), normal);
        QTRY_VERIFY_WITH_TIMEOUT(box->picture()->image().width() == 277,
                                 TestBench::backgroundDeadline);
        QVERIFY(Pupil::solveByTrying(w));
    }

    // Every letter's views are large and cut short: the headers let the
    // window open, and reading them finds no letter to show. A window still
    // open tells the pupil and goes back to the menu; one the pupil has left
    // meanwhile does nothing more.
    void noLetterFoundBesideTheWindow_data() {
        QTest::addColumn<bool>("leftMeanwhile");
        QTest::newRow("window still open") << false;
        QTest::newRow("window left meanwhile") << true;
    }
    void noLetterFoundBesideTheWindow() {
        QFETCH(bool, leftMeanwhile);
        TempLibrary library(false);
        QByteArray cut = largeView("a1.jpg");
        cut.truncate(cut.size() / 2);
        QVERIFY(library.write("cut", cut));
        for (int l = 0; l < 26; ++l)
            for (int n = 1; n <= 8; ++n)
                QVERIFY(QFile::copy(library.file("cut"),
                                    library.file(QString("%1%2.jpg").arg(QChar('a' + l)).arg(n))));
        TestBench bench(library.folder());
        bench.programma.mostra(FinestraId::FormMenu);
        bench.programma.mostra(FinestraId::FormEs3);
        auto* w = qobject_cast<FinestraEsercizio*>(bench.current());
        QVERIFY(w);
        QVERIFY(w->inAttesa());
        if (leftMeanwhile)
            bench.programma.mostra(FinestraId::FormMenu);
        QTRY_VERIFY_WITH_TIMEOUT(!bench.figure.inLettura(), TestBench::backgroundDeadline);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        QCOMPARE(TestBench::visibleWindows(), 1);
        if (leftMeanwhile) {
            QVERIFY(bench.messaggi.asked.isEmpty());
        } else {
            QCOMPARE(bench.messaggi.asked.size(), 1);
            QVERIFY(bench.messaggi.asked[0].text.startsWith(
                "Le immagini delle figure non si possono più leggere"));
        }
    }

    // Unloaded with its set-up waiting, the window is gone before the
    // reading ends: nothing is left to call it.
    void windowDestroyedWhileWaiting() {
        TempLibrary library;
        QVERIFY(enlarge(library, 'c'));
        TestBench bench(library.folder());
        bench.rnd.scriptDraws({{0, 18}, {2, 26}});
        bench.programma.mostra(FinestraId::FormEs3);
        QPointer<FinestraEsercizio> w = qobject_cast<FinestraEsercizio*>(bench.current());
        QVERIFY(w);
        QVERIFY(w->inAttesa());
        bench.programma.mostra(FinestraId::FormMenu);
        TestBench::flush();
        QVERIFY(!w);
        QTRY_VERIFY_WITH_TIMEOUT(!bench.figure.inLettura(), TestBench::backgroundDeadline);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        QVERIFY(bench.messaggi.asked.isEmpty());
    }
};

VORTELIA_TEST_MAIN(tst_LargeViews)
#include "tst_LargeViews.moc"
