// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseInsensitiveFolder.h"

#include <QDir>

CaseInsensitiveFolder::CaseInsensitiveFolder(QString path) : path_(std::move(path)) {}

std::optional<SafeFile::Opened> CaseInsensitiveFolder::open(const QString& name, QString* found) {
    if (found)
        *found = name;
    if (auto opened = SafeFile::openRegular(path_ + QLatin1Char('/') + name))
        return opened;
    refresh();
    const QString other = names_.value(name.toLower());
    if (other.isEmpty())
        return std::nullopt;
    if (found)
        *found = other;
    return SafeFile::openRegular(path_ + QLatin1Char('/') + other);
}

void CaseInsensitiveFolder::refresh() {
    const std::optional<SafeFile::Identity> now = SafeFile::identityOf(path_);
    if (!now) {
        names_.clear();
        identity_ = {};
        return;
    }
    if (*now == identity_)
        return;
    identity_ = *now;
    names_.clear();
    const QStringList entries = QDir(path_).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        const QString lower = entry.toLower();
        if (lower != entry && !names_.contains(lower))
            names_.insert(lower, entry);
    }
}
