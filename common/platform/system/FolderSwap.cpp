// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderSwap.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

using Failure = FolderSwap::Failure;

// The system's reasons a user can meet; any other is Other.
constexpr std::pair<int, Failure> reasons[] = {
    {0, Failure::None},
    {ENOSPC, Failure::DiskFull},
#ifdef EDQUOT
    {EDQUOT, Failure::DiskFull},
#endif
    {EROFS, Failure::ReadOnly},
    {EACCES, Failure::Denied},
    {EPERM, Failure::Denied},
    {ENOENT, Failure::Gone},
    {ENOTDIR, Failure::NotAFolder},
    {EEXIST, Failure::Exists},
    {ELOOP, Failure::LinkLoop},
    {ENAMETOOLONG, Failure::NameTooLong},
    {EMLINK, Failure::TooManyLinks},
    {EBUSY, Failure::Busy},
    {EIO, Failure::DeviceError},
};

} // namespace

// Qt says whether a file operation worked, not why it did not: the C
// library's errno is what is left to read, and after Qt's own calls it may
// be unset.
FolderSwap::Failure FolderSwap::lastFailure() {
    const int number = errno;
    for (const auto& [errorNumber, failure] : reasons)
        if (errorNumber == number)
            return failure;
    return Failure::Other;
}

QString FolderSwap::lastFailureText() {
    return errno == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

void FolderSwap::clearFailure() {
    errno = 0;
}
