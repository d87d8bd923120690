// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

// Reading data files that come from outside the program (a stick, a share,
// a folder anyone may write to): opening never waits, only regular files are
// opened, no descriptor is left behind, and a reader can tell whether a file
// was cut short.
namespace SafeFile {

// Tells a file apart from the one that was there before under the same name.
struct Identity {
    quint64 device = 0, inode = 0;
    qint64 size = -1, seconds = 0, nanoseconds = 0;
    bool operator==(const Identity&) const = default;
};

// A regular file open for reading, and which file it is.
struct Opened {
    std::unique_ptr<QFile> file;
    Identity identity;
};

// Why a file was not opened.
enum class Refusal { None, Missing, NotRegular, Unreadable };

// Opens a regular file for reading. A FIFO or a device named like a data
// file would block the reader for good: on Linux the open itself never
// waits; elsewhere only what Qt reports as a regular file is opened.
std::optional<Opened> openRegular(const QString& path);

// The same for a path as the system spells it, bytes and not text, saying
// why when nothing was opened. Qt keeps names as UTF-8 text, so a name that
// is not valid UTF-8 (a Latin-1 "è" from an old stick or share, a command
// line's argument) has no QString that opens it; Linux opens it by its
// bytes. Other systems keep names as Unicode text: there the bytes are read
// as one.
std::optional<Opened> openNative(const QByteArray& nativePath, Refusal* refusal = nullptr);

// What is at the path now (a folder too); nothing when nothing is there.
std::optional<Identity> identityOf(const QString& path);

// Hands an open descriptor to `file`, which then closes it; when `file`
// cannot take it, the descriptor is closed here.
bool adopt(int fd, QFile& file);

// Hands a file to a reader (a decoder) and notes whether the reader asked for
// more than the file holds. A JPEG decoder that runs out of data paints the
// rest grey and reports success; a file cut short is not one to show.
class GuardedReader : public QIODevice {
    Q_OBJECT

public:
    explicit GuardedReader(QIODevice& source);
    bool pastTheEnd() const { return pastTheEnd_; }
    qint64 size() const override { return source_.size(); }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 max) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& source_;
    bool pastTheEnd_ = false;
};

} // namespace SafeFile
