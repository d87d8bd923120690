// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

#include <optional>

class ImageBox;
class TipoRotazione;
class TrovaRotazione;

// A pupil who knows no answer key: only the pictures on the screen. The views
// are compared with each other turned by quarter turns, as the eye does.
namespace SeeingPupil {

// The picture turned by quarter turns, clockwise on the screen (3 = one
// anticlockwise).
QImage turned(const QImage& image, int quarterTurns);
// Mean difference of two pictures of one size, 0 to 255 a channel.
double difference(const QImage& a, const QImage& b);

// How the row of views turns, from the first two: 1 clockwise, 3
// anticlockwise; nothing when neither quarter turn clearly gives the second.
std::optional<int> senseOfRow(const QList<ImageBox*>& row);

// The candidate that shows what comes after the last filled view of the row,
// or nullptr when no candidate, or more than one, looks like it.
ImageBox* nextView(const QList<ImageBox*>& row, const QList<ImageBox*>& candidates);

// The candidate a pupil who looks picks in a find-the-rotation window.
ImageBox* answer(TrovaRotazione* window);
// The sign a pupil who looks picks in the type-of-rotation window.
ImageBox* answer(TipoRotazione* window);

} // namespace SeeingPupil
