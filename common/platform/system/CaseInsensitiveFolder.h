// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SafeFile.h"

#include <QHash>
#include <QString>

#include <optional>

// A folder whose files are found by name without regard to case: a copy
// from a FAT stick may read A1.JPG where a1.jpg is asked for. The listing is
// read again only when the folder changes.
class CaseInsensitiveFolder {
public:
    explicit CaseInsensitiveFolder(QString path);

    QString path() const { return path_; }
    // The file by its exact name when it opens, otherwise by a name that
    // differs from it only in case; `found`, when given, gets the name as
    // the folder spells it (the exact one when there is none).
    std::optional<SafeFile::Opened> open(const QString& name, QString* found = nullptr);

private:
    void refresh();

    QString path_;
    SafeFile::Identity identity_;
    QHash<QString, QString> names_; // a name not in lower case, by its lower-case form
};
