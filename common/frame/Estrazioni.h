// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>

#include <functional>

class BibliotecaFigure;
class ImageBox;
class QObject;
class RandomSource;

// The draws and the numbering that the exercise families share.
namespace Estrazioni {

// The sense of turning of a window's exercises: fixed, or drawn anew for
// each exercise, before or after its first view is drawn.
enum class Senso { SempreOrario, SempreAntiorario, EstrattoPrima, EstrattoDopo };

// True for clockwise: a fixed sense takes no value from the generator, a
// drawn one takes one.
bool sensoOrario(Senso senso, RandomSource& rnd);

// The figure letter of an exercise, "a" to "z": one value from the generator.
// The letter's pictures are read now; a letter whose pictures cannot all be
// read is drawn again, which keeps the draw uniform over the letters that can
// be shown. Null when no letter can be read any more.
QChar lettera(RandomSource& rnd, BibliotecaFigure& figure);
// The same for a set-up that must not hold the window: `poi` gets the letter
// at once, or later on this thread when a letter's pictures are large and
// read on another thread, unless `contesto` has gone meanwhile.
void lettera(RandomSource& rnd, BibliotecaFigure& figure, const QObject* contesto,
             std::function<void(QChar)> poi);

// Deals pictures 1..N of the letter into the N boxes, one per box: each
// picture goes into the first free box that the draws hit. Empties the tags
// first; afterwards each tag names its box's picture (" 3").
void distribuisci(const QList<ImageBox*>& boxes, QChar lettera, RandomSource& rnd,
                  BibliotecaFigure& figure);

// The picture number a candidate's tag names; 0 for an empty tag.
int numeroTag(const ImageBox& box);

// One quarter turn from picture k, clockwise or not, within its group of
// four (1..4 the figure, 5..8 its mirror image): 4 is followed by 1, 8 by 5.
int passo(int k, bool orario);

} // namespace Estrazioni
