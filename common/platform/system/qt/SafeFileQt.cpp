// SPDX-License-Identifier: GPL-3.0-or-later
// Opening data files with Qt alone, for systems other than Linux. Qt cannot
// open a file without waiting, so the kind of file is asked first and only a
// regular file is opened: a FIFO, a socket or a device named like a data file
// is refused unopened. A file swapped for a FIFO between the question and the
// open would still hold up its reader (a decoding thread, never the window)
// until a writer comes; Windows has no such files, macOS has.
#include "common/platform/system/SafeFile.h"

#include <QDateTime>
#include <QFileInfo>

namespace SafeFile {

namespace {

// Without the file's device and number, its size and time of change tell it
// apart from the one before: a file of the same size written within the same
// millisecond is taken for the same file.
Identity identityOf(const QFileInfo& info) {
    const qint64 ms = info.lastModified().toMSecsSinceEpoch();
    return {0, 0, info.size(), ms / 1000, (ms % 1000) * 1000000};
}

} // namespace

bool adopt(int fd, QFile& file) {
    if (file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    // A file of its own takes the descriptor and closes it when it goes.
    QFile closer;
    closer.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return false;
}

std::optional<Opened> openNative(const QByteArray& nativePath, Refusal* refusal) {
    Refusal ignored = Refusal::None;
    Refusal& why = refusal ? *refusal : ignored;
    // Bytes that are not text in the local encoding are lost here: such a
    // file is not found (Linux opens it by its bytes).
    const QString path = QFile::decodeName(nativePath);
    const QFileInfo info(path);
    // Qt reports a FIFO, a socket or a device as no file.
    why = !info.exists() ? Refusal::Missing : Refusal::NotRegular;
    if (!info.isFile())
        return std::nullopt;
    auto file = std::make_unique<QFile>(path);
    why = Refusal::Unreadable;
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    why = Refusal::None;
    return Opened{std::move(file), identityOf(info)};
}

std::optional<Identity> identityOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return identityOf(info);
}

} // namespace SafeFile
