// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

#include <optional>

class FinestraEsercizio;
class FormaRotazione;
class ImageBox;
class LineShape;
class TipoRotazione;
class TrovaRotazione;
class TrovaSimmetria;

// A pupil who knows no answer key: only the pictures on the screen. The views
// are compared with each other turned by quarter turns or mirrored, as the
// eye does.
namespace SeeingPupil {

// What the box shows, in full colour; a null picture when it shows none.
QImage shown(const ImageBox* box);
// The picture turned by quarter turns, clockwise on the screen (3 = one
// anticlockwise).
QImage turned(const QImage& image, int quarterTurns);
// The picture mirrored in the axis drawn on the window: upright, level or
// either diagonal.
QImage mirroredIn(const QImage& image, const LineShape& axis);
// Mean difference of two pictures of one size, 0 to 255 a channel.
double difference(const QImage& a, const QImage& b);

// The candidate that clearly looks like the wanted picture, or nullptr when
// none, or more than one, does.
ImageBox* lookingLike(const QImage& wanted, const QList<ImageBox*>& candidates);

// How the row of views turns, from the first two: 1 clockwise, 3
// anticlockwise; nothing when neither quarter turn clearly gives the second.
std::optional<int> senseOfRow(const QList<ImageBox*>& row);

// The candidate that shows what comes after the last filled view of the row,
// or nullptr when no candidate, or more than one, looks like it.
ImageBox* nextView(const QList<ImageBox*>& row, const QList<ImageBox*>& candidates);

// What a pupil who looks picks next in each family: the candidate that
// continues the row, the sign of the row's sense, the next view in the sense
// of the sign shown, the model's mirror image in the axis; nullptr when the
// pictures do not say.
ImageBox* answer(TrovaRotazione* window);
ImageBox* answer(TipoRotazione* window);
ImageBox* answer(FormaRotazione* window);
ImageBox* answer(TrovaSimmetria* window);
// The same in any exercise window.
ImageBox* answer(FinestraEsercizio* window);

} // namespace SeeingPupil
