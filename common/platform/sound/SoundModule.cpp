// SPDX-License-Identifier: GPL-3.0-or-later
// The sound system as a module of its own, for LazySoundPlayer: plain C entry
// points, so that the program resolves them by name.

#include "QtSoundPlayer.h"

extern "C" {

Q_DECL_EXPORT SoundPlayer* vortelia_sound_create() {
    return new QtSoundPlayer;
}

Q_DECL_EXPORT void vortelia_sound_preload(SoundPlayer* player, const QStringList* paths) {
    static_cast<QtSoundPlayer*>(player)->preload(*paths);
}

Q_DECL_EXPORT void vortelia_sound_destroy(SoundPlayer* player) {
    delete static_cast<QtSoundPlayer*>(player);
}

} // extern "C"
