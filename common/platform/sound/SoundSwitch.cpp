// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundSwitch.h"

void SoundSwitch::play(const QString& path) {
    if (audible())
        player_.play(path);
}
