// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

#include <functional>
#include <optional>

class RandomSource;

// The draw of an exercise's figure letter over the letters that can be read:
// one value from the generator a try; a letter found unreadable is set aside
// and another drawn, which keeps the draw uniform over the rest.
namespace EstrazioneLettera {

// Reads a letter's pictures: the verdict now, or nothing and later to `poi`.
using Prepara = std::function<std::optional<bool>(QChar, std::function<void(bool)> poi)>;

// `poi` gets the letter drawn, now or once a verdict comes, and a null
// letter when none can be read.
void estrai(RandomSource& rnd, Prepara prepara, std::function<void(QChar)> poi);

} // namespace EstrazioneLettera
