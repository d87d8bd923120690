// SPDX-License-Identifier: GPL-3.0-or-later
#include "CartellaFigure.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace CartellaFigure {

namespace {

using Failure = FolderSwap::Failure;

// Each reason in a teacher's words; Other has none of its own.
const std::pair<Failure, const char*> parole[] = {
    {Failure::DiskFull, "il disco è pieno"},
    {Failure::ReadOnly, "la cartella sta su un disco che si può solo leggere"},
    {Failure::Denied, "la cartella non si può scrivere"},
    {Failure::None, "la cartella non si può scrivere"}, // Qt refused without the system saying why
    {Failure::Gone, "la cartella non c'è più"},
    {Failure::NotAFolder, "nel percorso c'è un file dove serve una cartella"},
    {Failure::Exists, "al posto della cartella c'è già un file con lo stesso nome"},
    {Failure::LinkLoop, "il percorso passa per troppi collegamenti (link simbolici)"},
    {Failure::NameTooLong, "il percorso della cartella è troppo lungo"},
    {Failure::TooManyLinks, "la cartella contiene già troppe cartelle"},
    {Failure::Busy, "la cartella è in uso dal sistema"},
    {Failure::DeviceError, "il disco non risponde: forse è stato staccato o è rovinato"},
};

} // namespace

QString perche(FolderSwap::Failure failure) {
    for (const auto& [motivo, testo] : parole)
        if (motivo == failure)
            return QString::fromUtf8(testo);
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
