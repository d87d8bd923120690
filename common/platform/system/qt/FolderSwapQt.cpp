// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/FolderSwap.h"

#include <QDir>
#include <QFileInfo>

bool FolderSwap::replace(const QString& fresh, const QString& place) {
    // A link, even one that leads nowhere, is moved aside like a folder.
    if (!QFileInfo::exists(place) && !QFileInfo(place).isSymLink())
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
