// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil with the keyboard alone in an exercise window: number keys, Tab
// and Space, "avanti" by Enter, the arrows, the menu bar by F10 and Alt,
// Escape and F1. No mouse event is sent here unless a test says why.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/FormMenu.h"
#include "common/Colori.h"
#include "common/StatoCondiviso.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/KeyboardMenuBar.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QtTest>

namespace {

using Answer = MessageBoxService::Answer;

using Windows::key;

QWidget* focus() {
    return QApplication::focusWidget();
}

// The focused widgets met by pressing Tab (or Shift+Tab) `count` times.
QList<QWidget*> walk(QWidget* window, int count, bool backwards = false) {
    QList<QWidget*> met;
    for (int i = 0; i < count; ++i) {
        key(window, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        met << focus();
    }
    return met;
}

QList<QWidget*> boxes(const QList<ImageBox*>& list, std::initializer_list<int> indices) {
    QList<QWidget*> result;
    for (int i : indices)
        result << list[i];
    return result;
}

// A frame painted round the edge of a picture: its colour, and its width in
// pixels, the same on all four sides; width 0 when the sides differ.
struct PaintedFrame {
    QRgb colour = 0;
    int width = 0;
};

PaintedFrame paintedFrame(const QImage& image) {
    const int midX = image.width() / 2;
    const int midY = image.height() / 2;
    const QRgb colour = image.pixel(0, midY) & 0xFFFFFF;
    const auto run = [&](QPoint from, QPoint step) {
        int n = 0;
        for (QPoint p = from; image.valid(p) && (image.pixel(p) & 0xFFFFFF) == colour; p += step)
            ++n;
        return n;
    };
    const int width = run({0, midY}, {1, 0});
    const bool same =
        run({image.width() - 1, midY}, {-1, 0}) == width && run({midX, 0}, {0, 1}) == width &&
        run({midX, image.height() - 1}, {0, -1}) == width && run({0, 0}, {1, 1}) == width;
    return {colour, same ? qRound(width / image.devicePixelRatio()) : 0};
}

bool showsFocusFrame(ImageBox* box) {
    const QImage picture = box->grab().toImage();
    const QPoint edge(box->width() / 2, box->focusFrameWidth() / 2);
    return picture.pixelColor(edge) == QColor(ImageBox::focusColour);
}

} // namespace

class tst_TastieraEsercizio : public BenchFixture {
    Q_OBJECT

    template <typename W> W* open(FinestraId id) {
        auto* w = bench->open<W>(id);
        return w && Windows::activate(w) ? w : nullptr;
    }

    // A wrong and a right answer by number keys; then the exercise is solved,
    // "avanti" has the keyboard and the number keys do nothing.
    void answerByNumbers(FinestraEsercizio* w, Qt::KeyboardModifiers keypad) {
        QWidget* wrong = Pupil::firstWrongAsRead(w);
        QVERIFY(wrong);
        key(w, Qt::Key_0 + Pupil::place(w, wrong), keypad);
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QCOMPARE(w->EtichettaEsatti->text(), QString("0"));
        QVERIFY(w->ComandoIconaNo->isVisible());
        for (int pick = 0; pick < Pupil::picksPerExercise(w); ++pick) {
            const auto right = Pupil::rightAnswers(w);
            QCOMPARE(right.size(), 1);
            key(w, Qt::Key_0 + Pupil::place(w, right.first()), keypad);
        }
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QVERIFY(w->ComandoIconaSi->isVisible());
        QVERIFY(w->BottoneAvanti->isEnabled());
        QCOMPARE(focus(), w->BottoneAvanti);

        // Solved: every number key and Space on "avanti"'s neighbours do nothing.
        const int played = int(bench->suoni.played.size());
        for (int n = 1; n <= int(w->controlliRisposta().size()); ++n)
            key(w, Qt::Key_0 + n);
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QCOMPARE(bench->suoni.played.size(), played);
    }

    // Enter on "avanti": a new exercise, and the first answer control has the keyboard.
    void nextByEnter(FinestraEsercizio* w) {
        const int taken = bench->rnd.taken();
        QCOMPARE(focus(), w->BottoneAvanti);
        key(w, Qt::Key_Return);
        QVERIFY(bench->rnd.taken() > taken);
        QVERIFY(!w->BottoneAvanti->isEnabled());
        QCOMPARE(focus(), w->controlliInOrdine().first());
        for (QWidget* control : w->controlliRisposta())
            QVERIFY(control->isEnabled());
    }

    // A wrong and a right answer by Tab and Space.
    void answerByTabAndSpace(FinestraEsercizio* w) {
        const auto tabTo = [&](QWidget* target) {
            for (int i = 0; i < 20 && focus() != target; ++i)
                key(w, Qt::Key_Tab);
            return focus() == target;
        };
        const QString errati = w->EtichettaErrati->text();
        QVERIFY(tabTo(Pupil::firstWrongAsRead(w)));
        key(w, Qt::Key_Space);
        QVERIFY(w->EtichettaErrati->text() != errati);
        QVERIFY(!w->BottoneAvanti->isEnabled());
        for (int pick = 0; pick < Pupil::picksPerExercise(w); ++pick) {
            const auto right = Pupil::rightAnswers(w);
            QVERIFY(tabTo(right.first()));
            key(w, Qt::Key_Space);
        }
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 2"));
        QCOMPARE(focus(), w->BottoneAvanti);
    }

    void playOneFamily(FinestraEsercizio* w) {
        QVERIFY(w);
        QCOMPARE(focus(), static_cast<QWidget*>(w->area()));
        answerByNumbers(w, Qt::NoModifier);
        nextByEnter(w);
        answerByTabAndSpace(w);
        key(w, Qt::Key_Space); // Space on "avanti" as well
        QVERIFY(!w->BottoneAvanti->isEnabled());
        QCOMPARE(focus(), w->controlliInOrdine().first());
    }

private slots:
    void findTheRotationByKeys() { playOneFamily(open<TrovaRotazione>(FinestraId::FormEs2)); }
    void buildTheRotationByKeys() { playOneFamily(open<FormaRotazione>(FinestraId::FormEs11)); }
    void findTheSymmetryByKeys() { playOneFamily(open<TrovaSimmetria>(FinestraId::FormEs14)); }
    void typeOfRotationByKeys() { playOneFamily(open<TipoRotazione>(FinestraId::FormEs4)); }

    void keypadDigitsAnswerToo() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        answerByNumbers(w, Qt::KeypadModifier);
    }

    // 1 is the sign on the left, "ANTIORARIA"; 2 the one on the right.
    void typeOfRotationNumbersFollowTheSigns() {
        auto* w = open<TipoRotazione>(FinestraId::FormEs4);
        QVERIFY(w);
        const bool orario = w->SensoOrario;
        key(w, orario ? Qt::Key_1 : Qt::Key_2);
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QVERIFY(!w->Shape1->isVisible() && !w->Shape2->isVisible());
        key(w, orario ? Qt::Key_2 : Qt::Key_1);
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        QCOMPARE(w->Shape1->isVisible(), orario);
        QCOMPARE(w->Shape2->isVisible(), !orario);
        QCOMPARE(w->controlliInOrdine(), (QList<QWidget*>{w->Image3, w->Image1}));
    }

    // The lower row of FormEs11 runs right to left in index order; the
    // symmetry boxes are scattered. Tab follows the screen, not the indices.
    void tabFollowsTheReadingOrder() {
        auto* build = open<FormaRotazione>(FinestraId::FormEs11);
        QVERIFY(build);
        QCOMPARE(walk(build, 9), boxes(build->Image1, {0, 1, 2, 3, 7, 6, 5, 4, 0}));
        QCOMPARE(walk(build, 2, true), boxes(build->Image1, {4, 5}));

        auto* symmetry = open<TrovaSimmetria>(FinestraId::FormEs14);
        QVERIFY(symmetry);
        QCOMPARE(walk(symmetry, 8), boxes(symmetry->Image1, {4, 1, 0, 3, 2, 5, 6, 7}));

        // Once solved, "avanti" joins the end of the round.
        QVERIFY(Pupil::solve(symmetry));
        QCOMPARE(walk(symmetry, 2),
                 QList<QWidget*>({symmetry->BottoneAvanti, symmetry->BottoneAvanti}));
    }

    void arrowsGoToTheNearestControlThatWay() {
        auto* w = open<FormaRotazione>(FinestraId::FormEs11);
        QVERIFY(w);
        key(w, Qt::Key_Down); // nothing focused yet: the first control
        QCOMPARE(focus(), w->Image1[0]);
        key(w, Qt::Key_Down);
        QCOMPARE(focus(), w->Image1[7]); // the left-most of the lower row
        key(w, Qt::Key_Right);
        QCOMPARE(focus(), w->Image1[6]);
        key(w, Qt::Key_Up);
        QCOMPARE(focus(), w->Image1[1]);
        key(w, Qt::Key_Up); // nothing above: the focus stays
        QCOMPARE(focus(), w->Image1[1]);
        key(w, Qt::Key_Left);
        QCOMPARE(focus(), w->Image1[0]);
        QCOMPARE(w->EtichettaErrati->text(), QString("0")); // moving answers nothing
    }

    // The frame shows the keyboard's place; the mouse neither moves the
    // focus nor shows the frame.
    void focusFrameOnlyForTheKeyboard() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(w);
        auto* wrong = static_cast<ImageBox*>(Pupil::firstWrongAsRead(w));
        TestBench::click(wrong); // the mouse: a wrong answer, and no focus
        QCOMPARE(w->EtichettaErrati->text(), QString(" 1"));
        QVERIFY(!wrong->hasFocus());
        QVERIFY(!showsFocusFrame(wrong));
        key(w, Qt::Key_Tab);
        QVERIFY(showsFocusFrame(w->Image1[0]));
        QVERIFY(!showsFocusFrame(w->Image1[1]));
        key(w, Qt::Key_Tab);
        QVERIFY(!showsFocusFrame(w->Image1[0]));
        QVERIFY(showsFocusFrame(w->Image1[1]));
    }

    // The frame the keyboard's box is painted with: a colour that none of
    // the window colours, the counters' cyan, the black borders or FormEs4's
    // red frame has, at least 8 pixels wide on every side, and twice as wide
    // in a box twice as large.
    void focusFrameStandsOut() {
        auto* w = open<TipoRotazione>(FinestraId::FormEs4);
        QVERIFY(w);
        ImageBox* sign = w->Image1;
        const PaintedFrame unfocused = paintedFrame(sign->grab().toImage());
        for (int i = 0; i < 4 && focus() != sign; ++i)
            key(w, Qt::Key_Tab);
        QCOMPARE(focus(), static_cast<QWidget*>(sign));
        const PaintedFrame normal = paintedFrame(sign->grab().toImage());
        QVERIFY(normal.colour != unfocused.colour);
        QVERIFY2(normal.width >= 8, qPrintable(QString::number(normal.width)));
        QList<QRgb> used{qRgb(0, 0, 0), w->Shape1->colour().rgb(), qRgb(0, 255, 255)};
        for (const auto* palette : {&Colori::paletteEsercizi(), &Colori::paletteMenu()})
            used += QList<QRgb>(palette->begin(), palette->end());
        for (QRgb colour : used)
            QVERIFY(normal.colour != (colour & 0xFFFFFF));

        sign->resize(sign->size() * 2);
        const PaintedFrame grown = paintedFrame(sign->grab().toImage());
        QCOMPARE(grown.colour, normal.colour);
        QCOMPARE(grown.width, 2 * normal.width);
    }

    // A pupil who answered with the mouse goes on with the keyboard: the
    // solving click hands the focus to "avanti", and Enter draws the next.
    void mouseSolveHandsTheKeyboardToAvanti() {
        for (FinestraId id : {FinestraId::FormEs1, FinestraId::FormEs4, FinestraId::FormEs8}) {
            auto* w = open<FinestraEsercizio>(id);
            QVERIFY(w);
            QVERIFY(Pupil::solve(w));
            QCOMPARE(focus(), static_cast<QWidget*>(w->BottoneAvanti));
            QTest::keyClick(focus(), Qt::Key_Return);
            QVERIFY(!w->BottoneAvanti->isEnabled());
            QCOMPARE(focus(), w->controlliInOrdine().first());
        }
    }

    void f10AndEnterResetTheCounters() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs5);
        QVERIFY(w);
        key(w, Qt::Key_Tab);
        key(w, Qt::Key_0 + Pupil::place(w, Pupil::firstWrongAsRead(w)));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(1));
        QWidget* before = focus();

        key(w, Qt::Key_F10);
        QVERIFY(w->barraMenu()->inKeyboardMode());
        QCOMPARE(w->barraMenu()->highlightedAction(), w->MenuAzzera);
        key(w, Qt::Key_Return);
        QCOMPARE(w->EtichettaErrati->text(), QString("0"));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(0));
        QVERIFY(!w->barraMenu()->inKeyboardMode());
        QCOMPARE(focus(), before);
        QVERIFY(w->MenuAzzera->text().startsWith("Azzera conteggio ")); // captions unchanged
    }

    void menuBarByAltLeftRightAndEscape() {
        auto* w = open<TrovaRotazione>(FinestraId::FormEs6);
        QVERIFY(w);
        const QImage plain = w->barraMenu()->grab().toImage();
        key(w, Qt::Key_Alt);
        QVERIFY(w->barraMenu()->inKeyboardMode());
        // The highlighted entry is seen; leaving draws the bar as before.
        QVERIFY(w->barraMenu()->grab().toImage() != plain);
        QCOMPARE(w->barraMenu()->highlightedAction(), w->MenuAzzera);
        key(w, Qt::Key_Left);
        QCOMPARE(w->barraMenu()->highlightedAction(), w->mnuEsci);
        key(w, Qt::Key_Right);
        key(w, Qt::Key_Right);
        QCOMPARE(w->barraMenu()->highlightedAction(), w->MenuInformazioni);
        key(w, Qt::Key_Escape); // leaves the bar, does not ask to leave the window
        QVERIFY(!w->barraMenu()->inKeyboardMode());
        QVERIFY(bench->messaggi.asked.isEmpty());
        QCOMPARE(focus(), static_cast<QWidget*>(w->area()));
        QCOMPARE(w->barraMenu()->grab().toImage(), plain);

        key(w, Qt::Key_F10);
        key(w, Qt::Key_F10); // F10 again leaves, as Alt does
        QVERIFY(!w->barraMenu()->inKeyboardMode());
        key(w, Qt::Key_Alt);
        key(w, Qt::Key_Alt);
        QVERIFY(!w->barraMenu()->inKeyboardMode());
        QCOMPARE(focus(), static_cast<QWidget*>(w->area()));

        key(w, Qt::Key_F10);
        key(w, Qt::Key_Right);
        key(w, Qt::Key_Return);
        QCOMPARE(bench->messaggi.asked.size(), 1);
        QCOMPARE(bench->messaggi.asked.first().buttons, MessageBoxService::Buttons::Ok);

        // Alt held with another key is a chord, not a way into the bar.
        key(w, Qt::Key_1, Qt::AltModifier);
        QVERIFY(!w->barraMenu()->inKeyboardMode());
        QCOMPARE(w->EtichettaErrati->text(), QString("0"));
    }

    void escapeAsksAndF1Informs() {
        auto* w = open<TrovaSimmetria>(FinestraId::FormEs7);
        QVERIFY(w);
        key(w, Qt::Key_Tab);
        key(w, Qt::Key_Space);
        const auto counts = std::pair(bench->stato().NumeroEsatti, bench->stato().NumeroErrati);
        QVERIFY(counts.first + counts.second == 1);

        key(w, Qt::Key_F1);
        QCOMPARE(bench->messaggi.asked.last().buttons, MessageBoxService::Buttons::Ok);

        bench->messaggi.answer(Answer::No);
        key(w, Qt::Key_Escape);
        QCOMPARE(bench->messaggi.asked.last().text, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(bench->current(), static_cast<QWidget*>(w));
        QCOMPARE(std::pair(bench->stato().NumeroEsatti, bench->stato().NumeroErrati), counts);

        bench->messaggi.answer(Answer::Yes);
        key(w, Qt::Key_Escape);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench->current()));
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(0));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(0));
    }
};

VORTELIA_TEST_MAIN(tst_TastieraEsercizio)
#include "tst_TastieraEsercizio.moc"
