// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// What a pupil's PC reads of the teacher's keys: the public key that seals
// each entry, and the class's names for "Chi sei?". Neither opens a thing.
struct ChiaviPubbliche {
    QByteArray pubblica; // 32 bytes
    QStringList classe;
};
