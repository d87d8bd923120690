// SPDX-License-Identifier: GPL-3.0-or-later
#include "CartellaFigure.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace CartellaFigure {

QString perche(FolderSwap::Failure failure) {
    switch (failure) {
    case FolderSwap::Failure::DiskFull:
        return QStringLiteral("il disco è pieno");
    case FolderSwap::Failure::ReadOnly:
    case FolderSwap::Failure::None: // Qt refused without the system saying why
        return QStringLiteral("la cartella non si può scrivere");
    case FolderSwap::Failure::Gone:
        return QStringLiteral("la cartella non c'è più");
    case FolderSwap::Failure::Other:
        break;
    }
    const QString text = FolderSwap::lastFailureText();
    return text.isEmpty() ? QStringLiteral("la scrittura non è riuscita") : text;
}

QString perche() {
    return perche(FolderSwap::lastFailure());
}

bool rimuovi(const QString& percorso) {
    const QFileInfo info(percorso);
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(percorso);
    return QDir(percorso).removeRecursively();
}

QString lavoro(QChar lettera, const QString& cosa) {
    return QLatin1Char('.') + lettera + QLatin1Char('-') + cosa;
}

bool interi(const QString& cartella, const FileViste::File& file) {
    for (const auto& [nome, bytes] : file)
        if (QFileInfo(cartella + QLatin1Char('/') + nome).size() != bytes.size())
            return false;
    return true;
}

bool apertaATutti(const QString& cartella) {
    constexpr QFile::Permissions lettura =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    constexpr QFile::Permissions apertura =
        lettura | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    bool fatto = QFile::setPermissions(cartella, apertura);
    QDirIterator voci(cartella, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (voci.hasNext()) {
        const QFileInfo voce(voci.next());
        fatto = QFile::setPermissions(voce.filePath(), voce.isDir() ? apertura : lettura) && fatto;
    }
    return fatto;
}

namespace {

// What a run killed half way left: the working folders lavoro() names.
const QRegularExpression avanzo(QStringLiteral("^\\.[a-z]-(nuova|via)-[A-Za-z0-9]{6}$"));

// Only the program's own folders, by their exact names.
void pulisci(const QString& figure) {
    const QStringList nomi = QDir(figure).entryList(QDir::AllEntries | QDir::Hidden |
                                                    QDir::System | QDir::NoDotAndDotDot);
    for (const QString& nome : nomi)
        if (avanzo.match(nome).hasMatch())
            rimuovi(figure + QLatin1Char('/') + nome);
}

} // namespace

Turno::Turno(const QString& figure) : lock_(figure + QStringLiteral("/.salvataggio.lock")) {
    lock_.setStaleLockTime(0);
    preso_ = lock_.tryLock(10000);
    if (preso_)
        pulisci(figure);
}

} // namespace CartellaFigure
