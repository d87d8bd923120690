// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class FinestraEsercizio;
class ImageBox;
class QWidget;

// What a pupil who looks at the pictures would click, in any exercise
// window. The pupil reads no answer key: a window that accepts the wrong
// picture is caught.
namespace Pupil {

// The candidate whose tag names picture n, or nullptr.
ImageBox* boxTagged(const QList<ImageBox*>& boxes, int n);

// The answer control that is right for the current question, as the
// pictures show it; none when they do not say.
QList<QWidget*> rightAnswers(FinestraEsercizio* window);

// The first answer control that is wrong for the current question, or nullptr.
QWidget* wrongAnswer(FinestraEsercizio* window);
// The same, first as the pupil reads the window.
QWidget* firstWrongAsRead(FinestraEsercizio* window);

// The place (from 1) of a control in the window's reading order: the digit
// that answers with it.
int place(FinestraEsercizio* window, QWidget* control);

// Right clicks one exercise takes: three in the build windows, one elsewhere.
int picksPerExercise(FinestraEsercizio* window);

// Clicks every box; true if all of them were disabled, so none could answer.
bool clickAllDisabled(const QList<ImageBox*>& boxes);

// Waits, as a pupil would, for an exercise whose large pictures are read
// beside the window; false if it never comes.
bool waitForExercise(FinestraEsercizio* window);

// Solves the open question with real clicks on what the pictures show; false
// if it could not.
bool solve(FinestraEsercizio* window);
// Solves it where the pictures cannot tell (one picture under every view's
// name): clicks every candidate in turn until the question is solved.
bool solveByTrying(FinestraEsercizio* window);

} // namespace Pupil
