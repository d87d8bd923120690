// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFiles.h"

#include "common/platform/sound/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

namespace SoundFiles {

QString in(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/suoni/") + name;
}

QString shipped(const char* name) {
    return in(QStringLiteral(VORTELIA_APP_DIR), QString::fromLatin1(name));
}

QSoundEffect* effectOf(const QtSoundPlayer& player, const QString& path) {
    for (QSoundEffect* effect : player.findChildren<QSoundEffect*>())
        if (effect->source() == QUrl::fromLocalFile(path))
            return effect;
    return nullptr;
}

} // namespace SoundFiles
