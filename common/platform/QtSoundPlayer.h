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
