// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plays a WAV file in the background: returns at once, and a new sound cuts
// off the one still playing. A file that cannot be played gives the default beep.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
    // 0 (silent) to 1 (the file as it is, the default), for every sound
    // from now on.
    virtual void setVolume(double volume) = 0;
};
