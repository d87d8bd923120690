// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/FolderSwap.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

bool FolderSwap::replace(const QString& fresh, const QString& place) {
    const QByteArray from = QFile::encodeName(fresh), to = QFile::encodeName(place);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return true;
    // Nothing there yet: a plain rename is as atomic.
    return errno == ENOENT && ::access(to.constData(), F_OK) != 0 &&
           ::rename(from.constData(), to.constData()) == 0;
}

bool FolderSwap::move(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

void FolderSwap::sync(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
