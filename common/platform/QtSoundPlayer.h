// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class QSoundEffect;

class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    using Beep = std::function<void()>;

    // A sound effect is held whole in memory: a file larger than this, or a
    // sound longer than this, is refused and beeps like a missing one.
    static constexpr qint64 largestFileBytes = 4 * 1024 * 1024;
    static constexpr int longestSeconds = 10;

    explicit QtSoundPlayer(Beep beep = {}, QObject* parent = nullptr);

    // Decodes the files ahead, so that the first answer is heard at once.
    void preload(const QStringList& paths);
    void play(const QString& path) override;

private:
    QSoundEffect* effectFor(const QString& path);

    Beep beep_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
