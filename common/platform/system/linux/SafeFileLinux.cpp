// SPDX-License-Identifier: GPL-3.0-or-later
// Opening data files on Linux: without waiting (O_NONBLOCK), and the kind of
// file checked on the open file itself.
#include "common/platform/system/SafeFile.h"

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

std::optional<Opened> openRegular(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    auto file = std::make_unique<QFile>();
    if (!adopt(fd, *file))
        return std::nullopt;
    return Opened{std::move(file), identityOf(st)};
}

std::optional<Identity> identityOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return identityOf(st);
}

} // namespace SafeFile
