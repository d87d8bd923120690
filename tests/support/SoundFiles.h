// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSoundEffect;
class QtSoundPlayer;

// The built program's sound files, and what a player made of them.
namespace SoundFiles {

// How long a test waits for a sound to be decoded beside it: generous, since
// only a failing test waits that long.
inline constexpr int decodingDeadline = 30000;

// FOLDER/suoni/NAME.
QString in(const QString& folder, const QString& name);
// The built program's sound of that name ("si1.wav").
QString shipped(const char* name);

// The effect the player keeps for a file; nullptr when it refused the file.
QSoundEffect* effectOf(const QtSoundPlayer& player, const QString& path);

} // namespace SoundFiles
