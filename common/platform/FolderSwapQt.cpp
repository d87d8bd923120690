// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderSwap.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

// Qt says whether a rename worked, not why it did not: the C library's
// errno is what is left to read, and it is often unset.
FolderSwap::Failure FolderSwap::lastFailure() {
    switch (errno) {
    case 0:
        return Failure::None;
    case ENOSPC:
        return Failure::DiskFull;
    case EROFS:
    case EACCES:
    case EPERM:
        return Failure::ReadOnly;
    case ENOENT:
    case ENOTDIR:
        return Failure::Gone;
    default:
        return Failure::Other;
    }
}

QString FolderSwap::lastFailureText() {
    return errno == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

void FolderSwap::clearFailure() {
    errno = 0;
}

bool FolderSwap::replace(const QString& fresh, const QString& place) {
    if (!QFileInfo::exists(place))
        return QDir().rename(fresh, place);
    const QString aside = fresh + QStringLiteral(".vecchia");
    if (!QDir().rename(place, aside))
        return false;
    if (!QDir().rename(fresh, place)) {
        QDir().rename(aside, place);
        return false;
    }
    // The old folder goes where the caller expects it, to be deleted there.
    return QDir().rename(aside, fresh);
}

bool FolderSwap::move(const QString& from, const QString& to) {
    return QDir().rename(from, to);
}

// Qt has no way to make a folder's renames durable; the system's own cache
// writes them out soon after.
void FolderSwap::sync(const QString&) {}
