// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderSwap.h"

#include <cerrno>
#include <cstring>

// Qt says whether a file operation worked, not why it did not: the C
// library's errno is what is left to read, and after Qt's own calls it may
// be unset.
FolderSwap::Failure FolderSwap::lastFailure() {
    switch (errno) {
    case 0:
        return Failure::None;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Failure::DiskFull;
    case EROFS:
        return Failure::ReadOnly;
    case EACCES:
    case EPERM:
        return Failure::Denied;
    case ENOENT:
        return Failure::Gone;
    case ENOTDIR:
        return Failure::NotAFolder;
    case EEXIST:
        return Failure::Exists;
    case ELOOP:
        return Failure::LinkLoop;
    case ENAMETOOLONG:
        return Failure::NameTooLong;
    case EMLINK:
        return Failure::TooManyLinks;
    case EBUSY:
        return Failure::Busy;
    case EIO:
        return Failure::DeviceError;
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
