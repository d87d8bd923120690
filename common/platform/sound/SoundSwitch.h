// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

// Stands before the player: sounds can be switched off for good (a quiet
// lab) or muted for a while (a key), and their volume set. Switched off or
// muted, nothing reaches the player, which is then never loaded.
class SoundSwitch : public SoundPlayer {
public:
    explicit SoundSwitch(SoundPlayer& player) : player_(player) {}

    void play(const QString& path) override;
    void setVolume(double volume) override { player_.setVolume(volume); }

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }
    void setMuted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }
    // Whether a sound asked for now is heard.
    bool audible() const { return enabled_ && !muted_; }

private:
    SoundPlayer& player_;
    bool enabled_ = true;
    bool muted_ = false;
};
