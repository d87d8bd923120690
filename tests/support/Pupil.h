// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class FinestraEsercizio;
class ImageBox;
class QWidget;
struct StatoCondiviso;

// What a pupil who knows the answers would click, in any exercise window.
namespace Pupil {

// The candidate whose tag names picture n, or nullptr.
ImageBox* boxTagged(const QList<ImageBox*>& boxes, int n);

// The answer controls that are right for the current question.
QList<QWidget*> rightAnswers(FinestraEsercizio* window, const StatoCondiviso& stato);

// The first answer control that is wrong for the current question, or nullptr.
QWidget* wrongAnswer(FinestraEsercizio* window, const StatoCondiviso& stato);
// The same, first as the pupil reads the window.
QWidget* firstWrongAsRead(FinestraEsercizio* window, const StatoCondiviso& stato);

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

// Solves the open question with real clicks; false if it could not.
bool solve(FinestraEsercizio* window, const StatoCondiviso& stato);

} // namespace Pupil
