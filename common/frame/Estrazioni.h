// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>

class BibliotecaFigure;
class ImageBox;
class RandomSource;

// The draws and the numbering that the exercise families share. The figure
// letter is drawn by the library (BibliotecaFigure::estraiLettera), which
// reads its pictures.
namespace Estrazioni {

// The sense of turning of a window's exercises: fixed, or drawn anew for
// each exercise, before or after its first view is drawn.
enum class Senso { SempreOrario, SempreAntiorario, EstrattoPrima, EstrattoDopo };

// True for clockwise: a fixed sense takes no value from the generator, a
// drawn one takes one.
bool sensoOrario(Senso senso, RandomSource& rnd);

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
