// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Putting a folder written beside its place into that place, so that a
// reader sees the old folder or the new one and never a mixture, and saying
// why the system refused in terms a caller can word for its users.
namespace FolderSwap {

enum class Failure { None, DiskFull, ReadOnly, Gone, Other };

// Why the last file operation of this thread failed.
Failure lastFailure();
// The system's own words for it; empty when the system gave no reason.
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
