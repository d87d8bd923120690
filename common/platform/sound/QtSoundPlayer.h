// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class QSoundEffect;

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    using Beep = std::function<void()>;

    // A sound effect is held whole in memory: a file larger than this, or a
    // sound longer than this, is refused and beeps like a missing one.
    static constexpr qint64 largestFileBytes = 4 * 1024 * 1024;
    static constexpr int longestSeconds = 10;
    // A sound still loading this long after it was asked for gives the beep
    // instead, and is loaded afresh next time.
    static constexpr int loadingLimitMs = 10000;

    explicit QtSoundPlayer(Beep beep = {}, QObject* parent = nullptr);

    // Decodes the files ahead, so that the first answer is heard at once.
    void preload(const QStringList& paths);
    void play(const QString& path) override;
    void setVolume(double volume) override;

    // Whether the file looks like a sound that can be held in memory and
    // played whole: a WAV file's data chunk must be there, not empty, and
    // within the file. A file that is not a WAV file is left to the decoder.
    static bool playable(const QString& path);

private:
    // The file as it is now: a sound that failed is tried again once its
    // file has changed, so that a folder that comes back (a stick put in
    // again) is heard again.
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    struct Entry {
        QSoundEffect* effect = nullptr; // null when the file was refused
        Stamp stamp;
        bool timedOut = false;
    };

    QSoundEffect* effectFor(const QString& path);
    void beepIfPending(QSoundEffect* effect);

    Beep beep_;
    QHash<QString, Entry> entries_;
    QSoundEffect* current_ = nullptr;
    double volume_ = 1.0;
};
