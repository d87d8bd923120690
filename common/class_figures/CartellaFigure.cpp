// SPDX-License-Identifier: GPL-3.0-or-later
#include "CartellaFigure.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace CartellaFigure {

QString perche(FolderSwap::Failure failure) {
    using Failure = FolderSwap::Failure;
    switch (failure) {
    case Failure::DiskFull:
        return QStringLiteral("il disco è pieno");
    case Failure::ReadOnly:
        return QStringLiteral("la cartella sta su un disco che si può solo leggere");
    case Failure::Denied:
    case Failure::None: // Qt refused without the system saying why
        return QStringLiteral("la cartella non si può scrivere");
    case Failure::Gone:
        return QStringLiteral("la cartella non c'è più");
    case Failure::NotAFolder:
        return QStringLiteral("nel percorso c'è un file dove serve una cartella");
    case Failure::Exists:
        return QStringLiteral("al posto della cartella c'è già un file con lo stesso nome");
    case Failure::LinkLoop:
        return QStringLiteral("il percorso passa per troppi collegamenti (link simbolici)");
    case Failure::NameTooLong:
        return QStringLiteral("il percorso della cartella è troppo lungo");
    case Failure::TooManyLinks:
        return QStringLiteral("la cartella contiene già troppe cartelle");
    case Failure::Busy:
        return QStringLiteral("la cartella è in uso dal sistema");
    case Failure::DeviceError:
        return QStringLiteral("il disco non risponde: forse è stato staccato o è rovinato");
    case Failure::Other:
        break;
    }
    // The system's words, often English, only as a hint for a technician.
    const QString text = FolderSwap::lastFailureText();
    const QString generic = QStringLiteral("la scrittura non è riuscita");
    return text.isEmpty() ? generic : generic + QStringLiteral(" (") + text + QLatin1Char(')');
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
    const QStringList nomi = QDir(figure).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot);
    for (const QString& nome : nomi)
        if (avanzo.match(nome).hasMatch())
            rimuovi(figure + QLatin1Char('/') + nome);
}

} // namespace

Turno::Turno(const QString& figure) : lock_(figure + QStringLiteral("/.salvataggio.lock")) {
    lock_.setStaleLockTime(0);
    FolderSwap::clearFailure();
    preso_ = lock_.tryLock(10000);
    if (preso_)
        pulisci(figure);
    else if (lock_.error() == QLockFile::LockFailedError)
        motivo_ = QStringLiteral("un'altra finestra sta salvando una figura");
    else
        motivo_ = perche();
}

} // namespace CartellaFigure
