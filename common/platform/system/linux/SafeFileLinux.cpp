// SPDX-License-Identifier: GPL-3.0-or-later
// Opening data files on Linux: without waiting (O_NONBLOCK), and the kind of
// file checked on the open file itself.
#include "common/platform/system/SafeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

Identity identityOf(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec),
            qint64(st.st_mtim.tv_nsec)};
}

} // namespace

bool adopt(int fd, QFile& file) {
    if (file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

std::optional<Opened> openNative(const QByteArray& nativePath, Refusal* refusal) {
    Refusal ignored = Refusal::None;
    Refusal& why = refusal ? *refusal : ignored;
    why = Refusal::None;
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::Unreadable;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        why = Refusal::NotRegular;
        return std::nullopt;
    }
    // The descriptor, not the name, is what Qt reads from: the bytes of the
    // name matter no more.
    auto file = std::make_unique<QFile>();
    if (!adopt(fd, *file)) {
        why = Refusal::Unreadable;
        return std::nullopt;
    }
    return Opened{std::move(file), identityOf(st)};
}

std::optional<Identity> identityOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return identityOf(st);
}

} // namespace SafeFile
