// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the program as Qt alone finds it, for systems other than
// Linux. Windows and macOS keep every file name as Unicode text, so a name
// always survives as a QString and no folder is held open by a handle.
#include "common/platform/system/ApplicationFolder.h"

#include <QCoreApplication>
#include <QFile>

ApplicationFolder::ApplicationFolder() : path_(QCoreApplication::applicationDirPath()) {}

ApplicationFolder::ApplicationFolder(const QByteArray& nativePath) {
    open(nativePath);
}

ApplicationFolder::~ApplicationFolder() = default;

void ApplicationFolder::open(const QByteArray& nativePath) {
    // Bytes that are not text in the local encoding are lost here: such a
    // folder cannot be reached (on Linux the native lookup keeps them).
    path_ = QFile::decodeName(nativePath);
}

QString ApplicationFolder::shown(const QString& path) {
    return path;
}
