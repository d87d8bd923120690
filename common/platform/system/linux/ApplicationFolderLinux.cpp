// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/system/ApplicationFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The target of a symbolic link, bytes as they are; empty when unreadable.
QByteArray linkTarget(const QByteArray& link) {
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(link.constData(), target.data(), size_t(target.size()));
    if (n <= 0 || n >= target.size())
        return {};
    target.truncate(n);
    return target;
}

// Each name of the path as UTF-8 when it is valid, as Latin-1 when not.
QString readable(const QByteArray& nativePath) {
    QStringList names;
    for (const QByteArray& name : nativePath.split('/')) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(name);
        names << (utf8.hasError() ? QString::fromLatin1(name) : decoded);
    }
    return names.join(QLatin1Char('/'));
}

// The length of the "/proc/self/fd/<number>" that starts the path, 0 if none.
qsizetype handlePathLength(const QString& path) {
    static const QString prefix = QStringLiteral("/proc/self/fd/");
    if (!path.startsWith(prefix))
        return 0;
    qsizetype end = prefix.size();
    while (end < path.size() && path[end] >= u'0' && path[end] <= u'9')
        ++end;
    if (end == prefix.size() || (end < path.size() && path[end] != u'/'))
        return 0;
    return end;
}

} // namespace

ApplicationFolder::ApplicationFolder() {
    const QByteArray program = linkTarget("/proc/self/exe");
    const qsizetype slash = program.lastIndexOf('/');
    if (program.startsWith('/') && slash >= 0)
        open(slash == 0 ? QByteArray("/") : program.left(slash));
    else
        path_ = QCoreApplication::applicationDirPath();
}

ApplicationFolder::ApplicationFolder(const QByteArray& nativePath) {
    open(nativePath);
}

ApplicationFolder::~ApplicationFolder() {
    if (handle_ >= 0)
        ::close(handle_);
}

void ApplicationFolder::open(const QByteArray& nativePath) {
    path_ = QFile::decodeName(nativePath);
    if (QFile::encodeName(path_) == nativePath)
        return;
    // The name does not survive as text: keep the folder itself instead.
    handle_ = ::open(nativePath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (handle_ >= 0)
        path_ = QStringLiteral("/proc/self/fd/%1").arg(handle_);
}

QString ApplicationFolder::shown(const QString& path) {
    const qsizetype handle = handlePathLength(path);
    if (handle == 0)
        return path;
    const QByteArray folder = linkTarget(QFile::encodeName(path.left(handle)));
    if (folder.isEmpty())
        return path;
    return readable(folder) + path.mid(handle);
}
