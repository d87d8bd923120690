// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The folder that holds the program file, found from the file itself
// (/proc/self/exe), not from the command line or the current folder.
//
// Qt keeps file names as text, so a folder name that is not valid UTF-8
// (a Latin-1 "é" from an old stick or share) cannot be spelled as a QString.
// Such a folder is held open and reached through that handle,
// "/proc/self/fd/N", which keeps its bytes intact; every other folder is
// reached by its own name, as before. Other systems keep names as Unicode
// text and need none of this: there the folder is Qt's applicationDirPath().
class ApplicationFolder {
public:
    // The folder of the running program.
    ApplicationFolder();
    // A folder given by its bytes, as the system spells it.
    explicit ApplicationFolder(const QByteArray& nativePath);
    ~ApplicationFolder();
    ApplicationFolder(const ApplicationFolder&) = delete;
    ApplicationFolder& operator=(const ApplicationFolder&) = delete;

    // The path through which the folder's files are opened, without a
    // trailing separator.
    const QString& path() const { return path_; }

    // A path under the folder as a person reads it, for messages: the
    // folder's own name in place of a handle, and any name that is not
    // valid UTF-8 read as Latin-1.
    static QString shown(const QString& path);

private:
    void open(const QByteArray& nativePath);

    QString path_;
    // Only the Linux lookup holds a folder open.
    [[maybe_unused]] int handle_ = -1;
};
