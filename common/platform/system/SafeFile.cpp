// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeFile.h"

namespace SafeFile {

std::optional<Opened> openRegular(const QString& path) {
    return openNative(QFile::encodeName(path));
}

GuardedReader::GuardedReader(QIODevice& source) : source_(source) {
    source_.seek(0);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool GuardedReader::seek(qint64 pos) {
    return QIODevice::seek(pos) && source_.seek(pos);
}

qint64 GuardedReader::readData(char* data, qint64 max) {
    const qint64 read = source_.read(data, max);
    // Unbuffered, each read of the reader is one call here: a read that
    // finds nothing more means the reader wanted what was not there.
    if (read == 0 && max > 0)
        pastTheEnd_ = true;
    return read;
}

} // namespace SafeFile
