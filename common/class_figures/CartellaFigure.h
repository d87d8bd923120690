// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/system/FolderSwap.h"
#include "common/views/FileViste.h"

#include <QChar>
#include <QLockFile>
#include <QString>

// The housekeeping of the folder that holds the class's figures: one save
// or removal at a time, what a killed run left behind, files that reached
// the disk whole, and folders every user can read. Links inside it are never
// followed.
namespace CartellaFigure {

// Why the system refused, in words a teacher understands.
QString perche(FolderSwap::Failure failure);
QString perche();

// Removes what is at the path; a link goes as a link, and its target is
// never touched (QDir would empty the folder a link points to).
bool rimuovi(const QString& percorso);

// The name of a folder a save or a removal works in, beside the letters'
// folders: cosa is "nuova-XXXXXX" or "via-XXXXXX".
QString lavoro(QChar lettera, const QString& cosa);

// Every file of the figure is on the disk whole.
bool interi(const QString& cartella, const FileViste::File& file);

// Readable by everyone: the folder and those in it, and their files.
bool apertaATutti(const QString& cartella);

// Holds the class's figures for one save or removal at a time, among all
// the program's windows and runs; a run that was killed leaves a lock that
// is taken over, and the folders it left half way are removed.
class Turno {
public:
    explicit Turno(const QString& figure);
    bool preso() const { return preso_; }
    // Why it was not taken: another save holds it, or the lock could not be
    // written (a full disk, a folder that cannot be written).
    QString motivo() const { return motivo_; }

private:
    QLockFile lock_;
    bool preso_ = false;
    QString motivo_;
};

} // namespace CartellaFigure
