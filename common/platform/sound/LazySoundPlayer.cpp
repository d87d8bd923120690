// SPDX-License-Identifier: GPL-3.0-or-later
#include "LazySoundPlayer.h"

#include <QApplication>

LazySoundPlayer::LazySoundPlayer(QString modulePath) : library_(std::move(modulePath)) {}

LazySoundPlayer::~LazySoundPlayer() {
    // The module stays loaded: the audio system's threads may still run code
    // from it until the process ends.
    if (player_)
        destroy_(player_);
}

QString LazySoundPlayer::moduleName() {
    // In a folder of its own: a shared object straight in lib/vortelia/ would
    // make the package tools run ldconfig for a library nobody links.
    return QStringLiteral("moduli/vortelia_suoni.so");
}

SoundPlayer* LazySoundPlayer::player() {
    if (tried_)
        return player_;
    tried_ = true;
    using Create = SoundPlayer* (*)();
    const auto create = reinterpret_cast<Create>(library_.resolve("vortelia_sound_create"));
    preload_ = reinterpret_cast<decltype(preload_)>(library_.resolve("vortelia_sound_preload"));
    destroy_ = reinterpret_cast<decltype(destroy_)>(library_.resolve("vortelia_sound_destroy"));
    if (create && preload_ && destroy_)
        player_ = create();
    if (player_)
        player_->setVolume(volume_);
    return player_;
}

void LazySoundPlayer::preload(const QStringList& paths) {
    if (SoundPlayer* p = player())
        preload_(p, &paths);
}

void LazySoundPlayer::setVolume(double volume) {
    volume_ = volume;
    if (player_)
        player_->setVolume(volume);
}

void LazySoundPlayer::play(const QString& path) {
    if (SoundPlayer* p = player())
        p->play(path);
    else
        QApplication::beep();
}
