// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

#include <QLibrary>
#include <QStringList>

// Plays sounds through the sound system built as a module of its own
// (SoundModule), loaded when first asked for. The audio libraries it pulls in
// are many; loaded with the program, they would all be mapped and linked
// before the first window could be painted. A module that cannot be loaded
// gives the default beep, as a missing sound file does.
class LazySoundPlayer : public SoundPlayer {
public:
    explicit LazySoundPlayer(QString modulePath);
    ~LazySoundPlayer() override;
    LazySoundPlayer(const LazySoundPlayer&) = delete;
    LazySoundPlayer& operator=(const LazySoundPlayer&) = delete;

    // Loads the module and decodes the files ahead, so that the first answer
    // is heard at once.
    void preload(const QStringList& paths);
    void play(const QString& path) override;
    // Kept until the module is loaded; loads nothing.
    void setVolume(double volume) override;
    bool loaded() const { return player_ != nullptr; }

    // Where the module is, from the program's folder.
    static QString moduleName();

private:
    SoundPlayer* player();

    QLibrary library_;
    bool tried_ = false;
    SoundPlayer* player_ = nullptr;
    void (*preload_)(SoundPlayer*, const QStringList*) = nullptr;
    void (*destroy_)(SoundPlayer*) = nullptr;
    double volume_ = 1.0;
};
