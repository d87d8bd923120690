// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pupil.h"

#include "SeeingPupil.h"
#include "TestBench.h"

#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"

#include <QPointer>
#include <QTest>

namespace Pupil {

ImageBox* boxTagged(const QList<ImageBox*>& boxes, int n) {
    for (ImageBox* box : boxes)
        if (Estrazioni::numeroTag(*box) == n)
            return box;
    return nullptr;
}

QList<QWidget*> rightAnswers(FinestraEsercizio* w) {
    if (ImageBox* seen = SeeingPupil::answer(w))
        return {seen};
    return {};
}

namespace {

QWidget* firstWrongOf(const QList<QWidget*>& controls, FinestraEsercizio* w) {
    const auto right = rightAnswers(w);
    if (right.isEmpty())
        return nullptr; // with no answer seen, no control is known to be wrong
    for (QWidget* control : controls)
        if (!right.contains(control))
            return control;
    return nullptr;
}

} // namespace

QWidget* wrongAnswer(FinestraEsercizio* w) {
    return firstWrongOf(w->controlliRisposta(), w);
}

QWidget* firstWrongAsRead(FinestraEsercizio* w) {
    return firstWrongOf(w->controlliInOrdine(), w);
}

int place(FinestraEsercizio* w, QWidget* control) {
    return int(w->controlliInOrdine().indexOf(control)) + 1;
}

int picksPerExercise(FinestraEsercizio* w) {
    return qobject_cast<FormaRotazione*>(w) ? 3 : 1;
}

bool clickAllDisabled(const QList<ImageBox*>& boxes) {
    bool allDisabled = true;
    for (ImageBox* box : boxes) {
        allDisabled = allDisabled && !box->isEnabled();
        TestBench::click(box);
    }
    return allDisabled;
}

bool waitForExercise(FinestraEsercizio* window) {
    QPointer<FinestraEsercizio> w(window);
    return QTest::qWaitFor([&w] { return !w || !w->inAttesa(); }, TestBench::backgroundDeadline) &&
           w;
}

bool solve(FinestraEsercizio* w) {
    for (int pick = 0; pick < picksPerExercise(w); ++pick) {
        const auto right = rightAnswers(w);
        if (right.size() != 1)
            return false;
        TestBench::click(right.first());
    }
    return w->BottoneAvanti->isEnabled();
}

bool solveByTrying(FinestraEsercizio* w) {
    // Each round through the candidates meets the next right one.
    for (int round = 0; round < picksPerExercise(w); ++round)
        for (QWidget* control : w->controlliRisposta())
            if (!w->BottoneAvanti->isEnabled())
                TestBench::click(control);
    return w->BottoneAvanti->isEnabled();
}

} // namespace Pupil
