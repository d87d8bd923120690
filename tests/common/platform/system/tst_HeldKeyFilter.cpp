// SPDX-License-Identifier: GPL-3.0-or-later
// A key held down: the keyboard repeats it, either as repeats or (as X does
// for programs that tell them apart) as presses with no release in between.
// Every key event here goes through the window system, as a real keyboard's.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "common/StatoCondiviso.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/system/HeldKeyFilter.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <QtTest>

namespace {

QWindow* handle(QWidget* w) {
    return w->window()->windowHandle();
}

// Key events as the window system gives them, each at its own time: a
// finger never presses a key in the same millisecond as it lets it go.
ulong keyboardTime = 100000;

void send(QWidget* w, QEvent::Type type, Qt::Key key, bool autoRepeat = false, ulong after = 40) {
    keyboardTime += after;
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    event.setTimestamp(keyboardTime);
    QApplication::sendEvent(handle(w), &event);
}

// A key held for about a second and a half, as X delivers it to a program
// that tells repeats apart: one press, repeats as presses with no release,
// then the release.
constexpr int repeatsHeld = 40;

void hold(QWidget* w, Qt::Key key, int repeats = repeatsHeld) {
    send(w, QEvent::KeyPress, key, false, 1000);
    for (int i = 0; i < repeats; ++i)
        send(w, QEvent::KeyPress, key, false, i == 0 ? 660 : 40);
    send(w, QEvent::KeyRelease, key);
}

// The same held key, the repeats marked as such.
void holdMarked(QWidget* w, Qt::Key key, int repeats = repeatsHeld) {
    send(w, QEvent::KeyPress, key, false, 1000);
    for (int i = 0; i < repeats; ++i)
        send(w, QEvent::KeyPress, key, true, i == 0 ? 660 : 40);
    send(w, QEvent::KeyRelease, key);
}

// The same held key as X gives most programs: after the repeat delay, a
// release and a press at the same instant for every repeat, none marked.
void holdAsX(QWidget* w, Qt::Key key, int repeats = repeatsHeld) {
    send(w, QEvent::KeyPress, key, false, 1000);
    for (int i = 0; i < repeats; ++i) {
        send(w, QEvent::KeyRelease, key, false, i == 0 ? 660 : 40);
        send(w, QEvent::KeyPress, key, false, 0);
    }
    send(w, QEvent::KeyRelease, key, false, 15);
}

// The digit that answers with the first wrong control as the pupil reads them.
Qt::Key wrongDigit(FinestraEsercizio* w) {
    return Qt::Key(Qt::Key_0 + Pupil::place(w, Pupil::firstWrongAsRead(w)));
}

} // namespace

class tst_HeldKeyFilter : public BenchFixture {
    Q_OBJECT

    std::unique_ptr<HeldKeyFilter> filter;
    qint64 now = 0;
    bool keyIsDown = true;

    template <typename W> W* open(FinestraId id) {
        auto* w = bench->open<W>(id);
        return w && Windows::activate(w) ? w : nullptr;
    }

    std::pair<int, int> counts() const {
        return {bench->stato().NumeroEsatti, bench->stato().NumeroErrati};
    }

    // Held wrong digit, held right digits, held Enter on "avanti", held Space
    // and Enter on a candidate: each hold is exactly one answer, with its one
    // sound, or on "avanti" exactly one new exercise.
    void holdThroughOneFamily(FinestraEsercizio* w) {
        QVERIFY(w);
        QWidget* wrong = Pupil::firstWrongAsRead(w);
        QVERIFY(wrong);
        hold(w, Qt::Key(Qt::Key_0 + Pupil::place(w, wrong)));
        QCOMPARE(counts(), std::make_pair(0, 1));
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QCOMPARE(bench->suoni.played.size(), 1);

        for (int pick = 0; pick < Pupil::picksPerExercise(w); ++pick) {
            const auto right = Pupil::rightAnswers(w);
            QCOMPARE(right.size(), 1);
            hold(w, Qt::Key(Qt::Key_0 + Pupil::place(w, right.first())));
        }
        QCOMPARE(counts(), std::make_pair(1, 1));
        QCOMPARE(bench->suoni.played.size(), 2);
        QCOMPARE(QApplication::focusWidget(), w->BottoneAvanti);

        // Enter on "avanti": the next exercise, the first candidate framed,
        // and the rest of the hold answers nothing.
        const int taken = bench->rnd.taken();
        hold(w, Qt::Key_Return);
        QVERIFY(bench->rnd.taken() > taken);
        QCOMPARE(QApplication::focusWidget(), w->controlliInOrdine().first());
        QCOMPARE(counts(), std::make_pair(1, 1));
        QCOMPARE(bench->suoni.played.size(), 2);
        QVERIFY(!w->BottoneAvanti->isEnabled());

        // Space held on a wrong candidate, then Enter on it with its repeats
        // marked.
        QWidget* next = Pupil::firstWrongAsRead(w);
        QVERIFY(next);
        for (int i = 0; i < 10 && QApplication::focusWidget() != next; ++i)
            QTest::keyClick(handle(w), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        hold(w, Qt::Key_Space);
        QCOMPARE(counts(), std::make_pair(1, 2));
        QCOMPARE(bench->suoni.played.size(), 3);
        holdMarked(w, Qt::Key_Return);
        QCOMPARE(counts(), std::make_pair(1, 3));
        QCOMPARE(bench->suoni.played.size(), 4);
    }

    void benchReady() override {
        now = 0;
        keyIsDown = true;
        filter = std::make_unique<HeldKeyFilter>(
            nullptr, [this] { return now; }, [this](quint32) { return keyIsDown; });
        qApp->installEventFilter(filter.get());
    }
    void benchDone() override { filter.reset(); }

private slots:

    void eachHoldInFindTheRotationIsOneAnswer() {
        holdThroughOneFamily(open<TrovaRotazione>(FinestraId::FormEs6));
    }
    void eachHoldInBuildTheRotationIsOneAnswer() {
        holdThroughOneFamily(open<FormaRotazione>(FinestraId::FormEs11));
    }
    void eachHoldInFindTheSymmetryIsOneAnswer() {
        holdThroughOneFamily(open<TrovaSimmetria>(FinestraId::FormEs1));
    }
    void eachHoldInTypeOfRotationIsOneAnswer() {
        holdThroughOneFamily(open<TipoRotazione>(FinestraId::FormEs4));
    }

    // Repeats marked as such, and repeats as X sends them, answer once.
    void markedRepeatsAnswerOnce() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        holdMarked(w, wrongDigit(w));
        QCOMPARE(counts(), std::make_pair(0, 1));
    }
    void repeatsAsXSendsThemAnswerOnce() {
        auto* w = open<TrovaSimmetria>(FinestraId::FormEs7);
        QVERIFY(w);
        holdAsX(w, wrongDigit(w));
        QCOMPARE(counts(), std::make_pair(0, 1));
        QTest::keyClick(handle(w), Qt::Key_Tab);
        holdAsX(w, Qt::Key_Space);
        QCOMPARE(counts().first + counts().second, 2);
        // A second press, later, is a press.
        holdAsX(w, wrongDigit(w), 0);
        QCOMPARE(counts().first + counts().second, 3);
    }

    // Pressed again after its release, a key answers again; so does a key
    // whose release went elsewhere, once it has been silent a while.
    void aNewPressAnswersAgain() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        const Qt::Key wrong = wrongDigit(w);
        hold(w, wrong, 3);
        hold(w, wrong, 0);
        QCOMPARE(counts(), std::make_pair(0, 2));

        send(w, QEvent::KeyPress, wrong); // its release is lost
        now += HeldKeyFilter::forgetAfterMs - 1;
        send(w, QEvent::KeyPress, wrong);
        QCOMPARE(counts(), std::make_pair(0, 3));
        now += HeldKeyFilter::forgetAfterMs;
        send(w, QEvent::KeyPress, wrong);
        QCOMPARE(counts(), std::make_pair(0, 4));
    }

    // A key let go while no window had the keyboard (the one it was pressed
    // in had closed) is forgotten when a window gets the keyboard; one still
    // held is not.
    void aKeyLetGoElsewhereIsForgotten() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        const Qt::Key wrong = wrongDigit(w);
        const auto windowGetsTheKeyboard = [w] {
            QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(handle(w), &focus);
        };
        send(w, QEvent::KeyPress, wrong); // its release is lost
        windowGetsTheKeyboard();
        send(w, QEvent::KeyPress, wrong);
        QCOMPARE(counts(), std::make_pair(0, 1));
        keyIsDown = false;
        windowGetsTheKeyboard();
        send(w, QEvent::KeyPress, wrong);
        QCOMPARE(counts(), std::make_pair(0, 2));
    }

    // A held arrow walks on; a held F11 toggles full screen once.
    void arrowsRepeatShortcutsDoNot() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        QTest::keyClick(handle(w), Qt::Key_Tab);
        QWidget* first = QApplication::focusWidget();
        QCOMPARE(first, w->controlliInOrdine().first());
        hold(w, Qt::Key_Right, 1);
        QCOMPARE(QApplication::focusWidget(), w->controlliInOrdine().at(2));

        // Through the shortcut check, as the window system's keys go.
        QVERIFY(!(w->windowState() & Qt::WindowFullScreen));
        for (int i = 0; i < 6; ++i)
            QTest::keyPress(handle(w), Qt::Key_F11);
        QTest::keyRelease(handle(w), Qt::Key_F11);
        QVERIFY(w->windowState() & Qt::WindowFullScreen);
    }
};

VORTELIA_TEST_MAIN(tst_HeldKeyFilter)
#include "tst_HeldKeyFilter.moc"
