// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/sound/SoundPlayer.h"

#include <QStringList>

// Records every sound asked for, in order.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override { played << path; }
    void setVolume(double v) override { volume = v; }
    QStringList played;
    double volume = 1.0;
};
