// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pupil.h"

#include "TestBench.h"

#include "common/StatoCondiviso.h"
#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QPointer>
#include <QTest>

namespace Pupil {

ImageBox* boxTagged(const QList<ImageBox*>& boxes, int n) {
    for (ImageBox* box : boxes)
        if (Estrazioni::numeroTag(*box) == n)
            return box;
    return nullptr;
}

QList<QWidget*> rightAnswers(FinestraEsercizio* w, const StatoCondiviso& stato) {
    QList<QWidget*> right;
    const auto byTag = [&](const QList<ImageBox*>& boxes, int wanted) {
        for (ImageBox* box : boxes)
            if (Estrazioni::numeroTag(*box) == wanted)
                right << box;
    };
    if (auto* f = qobject_cast<TrovaRotazione*>(w))
        byTag(f->Image1, stato.FiguraGiusta);
    else if (auto* b = qobject_cast<FormaRotazione*>(w))
        byTag(b->Image1, stato.FiguraGiusta);
    else if (auto* s = qobject_cast<TrovaSimmetria*>(w))
        byTag(s->Image1, s->FiguraSimmetrica);
    else if (auto* t = qobject_cast<TipoRotazione*>(w))
        right << (t->SensoOrario ? t->Image1 : t->Image3);
    return right;
}

namespace {

QWidget* firstWrongOf(const QList<QWidget*>& controls, FinestraEsercizio* w,
                      const StatoCondiviso& stato) {
    const auto right = rightAnswers(w, stato);
    for (QWidget* control : controls)
        if (!right.contains(control))
            return control;
    return nullptr;
}

} // namespace

QWidget* wrongAnswer(FinestraEsercizio* w, const StatoCondiviso& stato) {
    return firstWrongOf(w->controlliRisposta(), w, stato);
}

QWidget* firstWrongAsRead(FinestraEsercizio* w, const StatoCondiviso& stato) {
    return firstWrongOf(w->controlliInOrdine(), w, stato);
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

bool solve(FinestraEsercizio* w, const StatoCondiviso& stato) {
    for (int pick = 0; pick < picksPerExercise(w); ++pick) {
        const auto right = rightAnswers(w, stato);
        if (right.size() != 1)
            return false;
        TestBench::click(right.first());
    }
    return w->BottoneAvanti->isEnabled();
}

} // namespace Pupil
