// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A file the teacher saves (a worksheet, a spreadsheet, a report): written
// beside its place and renamed over it, so there is never half a file.
namespace FileIntero {

// "" when written whole, else why not, in Italian.
QString scrivi(const QString& percorso, const QByteArray& byte);

} // namespace FileIntero
