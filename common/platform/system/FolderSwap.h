// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Putting a folder written beside its place into that place, so that a
// reader sees the old folder or the new one and never a mixture, and saying
// why the system refused in terms a caller can word for its users.
namespace FolderSwap {

// The system's reasons a user can meet, each to be worded for that user;
// Other stands for the rest.
enum class Failure {
    None,
    DiskFull,     // no space left, or the user's quota used up
    ReadOnly,     // a file system mounted read-only
    Denied,       // no permission
    Gone,         // a folder on the way is missing
    NotAFolder,   // a file where a folder should be on the way
    Exists,       // something already there where a folder is to be made
    LinkLoop,     // too many symbolic links on the way
    NameTooLong,  // a name or the whole path
    TooManyLinks, // a folder holding as many folders as it may
    Busy,         // in use by the system (a mount point)
    DeviceError,  // the disk did not answer (a stick pulled out, a damaged disk)
    Other
};

// Why the last file operation of this thread failed.
Failure lastFailure();
// The system's own words for it (in the system's language, often English);
// empty when the system gave no reason.
QString lastFailureText();
void clearFailure();

// Puts `fresh` at `place`. Whatever was at `place` ends up under `fresh`'s
// name, for the caller to delete. On Linux both change places at once; on
// other systems the old folder is moved aside first, and for that moment a
// reader finds nothing at `place`.
bool replace(const QString& fresh, const QString& place);

// Moves a file or folder within one file system.
bool move(const QString& from, const QString& to);

// Makes the renames inside `folder` last before the caller says "done".
void sync(const QString& folder);

} // namespace FolderSwap
