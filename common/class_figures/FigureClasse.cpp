// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureClasse.h"

#include "CartellaFigure.h"
#include "common/platform/system/FolderSwap.h"
#include "common/views/ConvenzioneFigure.h"
#include "common/views/OttoViste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace CartellaFigure;

namespace {

const QString nomeProgramma = QStringLiteral("Vortelia");
const QString sottocartella = QStringLiteral("figure");

QString senzaCartella() {
    return QStringLiteral("La figura non è stata %1: non c'è una cartella dei dati dell'utente "
                          "(HOME non è impostata).");
}

bool vistePresenti(const QString& cartella, QChar lettera) {
    for (int n = 1; n <= OttoViste::numero; ++n)
        if (!QFileInfo(cartella + QLatin1Char('/') + FileViste::nome(lettera, n)).isFile())
            return false;
    return true;
}

} // namespace

FigureClasse::FigureClasse(QString utente, QStringList scuola, bool perTutti)
    : utente_(std::move(utente)), scuola_(std::move(scuola)), perTutti_(perTutti),
      scrittura_([](const QString& c, const FileViste::File& f, QString* e) {
          return FileViste::scrivi(c, f, e);
      }) {}

FigureClasse FigureClasse::delSistema(const QString& ulteriore) {
    QStringList cartelle = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    QString utente = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A user data folder that is also one of the system's (XDG_DATA_HOME set
    // to /usr/local/share, as a technician installs the school's figures)
    // holds what every user of the PC reads.
    const bool perTutti = cartelle.count(utente) > 1;
    cartelle.removeAll(utente);
    for (QString& c : cartelle)
        c += QLatin1Char('/') + nomeProgramma;
    // No home and no data folder set: nowhere of the user's own to write to.
    if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        utente.clear();
    FigureClasse classe(utente.isEmpty() ? QString() : utente + QLatin1Char('/') + nomeProgramma,
                        cartelle, perTutti);
    classe.setUlteriore(ulteriore);
    return classe;
}

QString FigureClasse::cartellaLettera(const QString& base, QChar lettera) {
    return base + QLatin1Char('/') + sottocartella + QLatin1Char('/') + lettera;
}

QStringList FigureClasse::posti(QChar lettera) const {
    QStringList cartelle;
    if (!utente_.isEmpty())
        cartelle << cartellaLettera(utente_, lettera);
    if (!ulteriore_.isEmpty())
        cartelle << ulteriore_ + QLatin1Char('/') + lettera;
    for (const QString& base : scuola_)
        if (!base.isEmpty())
            cartelle << cartellaLettera(base, lettera);
    return cartelle;
}

QStringList FigureClasse::cartelleLettera(QChar lettera) const {
    QStringList cartelle;
    for (const QString& cartella : posti(lettera))
        if (QFileInfo(cartella).isDir())
            cartelle << cartella;
    return cartelle;
}

QString FigureClasse::cartellaUsata(QChar lettera) const {
    for (const QString& cartella : posti(lettera))
        if (vistePresenti(cartella, lettera))
            return cartella;
    return {};
}

FigureClasse::Origine FigureClasse::origine(QChar lettera) const {
    const QString usata = cartellaUsata(lettera);
    if (usata.isEmpty())
        return Origine::Programma;
    return usata == cartellaLettera(utente_, lettera) ? Origine::Insegnante : Origine::Scuola;
}

QList<QChar> FigureClasse::lettere() const {
    QList<QChar> trovate;
    for (int l = 0; l < ConvenzioneFigure::lettere; ++l)
        if (origine(ConvenzioneFigure::lettera(l)) != Origine::Programma)
            trovate << ConvenzioneFigure::lettera(l);
    return trovate;
}

QStringList FigureClasse::illeggibili() const {
    QStringList trovate;
    for (int l = 0; l < ConvenzioneFigure::lettere; ++l)
        for (const QString& posto : posti(ConvenzioneFigure::lettera(l))) {
            const QFileInfo cartella(posto);
            if (cartella.isDir() && (!cartella.isReadable() || !cartella.isExecutable()))
                trovate << cartella.filePath();
        }
    return trovate;
}

QString FigureClasse::salva(QChar lettera, const FileViste::File& file) const {
    if (utente_.isEmpty())
        return senzaCartella().arg(QStringLiteral("salvata"));
    const QString figure = utente_ + QLatin1Char('/') + sottocartella;
    const QString rifiuto = QStringLiteral("La figura non è stata salvata nella cartella %1: %2.");
    FolderSwap::clearFailure();
    if (!QDir().mkpath(figure))
        return rifiuto.arg(figure, perche());
    const Turno turno(figure);
    if (!turno.preso())
        return rifiuto.arg(figure, turno.motivo());
    // Written beside its place, so that the rename below stays in one file system.
    QTemporaryDir nuova(figure + QLatin1Char('/') +
                        lavoro(lettera, QStringLiteral("nuova-XXXXXX")));
    if (!nuova.isValid())
        return rifiuto.arg(figure, perche());
    QString fallito;
    FolderSwap::clearFailure();
    const bool scritta = scrittura_(nuova.path(), file, &fallito);
    // A disk that filled up may have taken files that hold less than was written.
    if (!scritta) {
        const FolderSwap::Failure failure = FolderSwap::lastFailure();
        return rifiuto.arg(
            figure,
            perche(failure == FolderSwap::Failure::None ? FolderSwap::Failure::Other : failure));
    }
    if (!interi(nuova.path(), file))
        return rifiuto.arg(figure, perche(FolderSwap::Failure::DiskFull));
    // The school's figures are read by every user; the teacher's own stay
    // private, inside a folder only the teacher can open.
    if (perTutti_ && !apertaATutti(nuova.path()))
        return rifiuto.arg(figure, perche());
    const QString posto = cartellaLettera(utente_, lettera);
    // The old folder, if any, and the new change places at once; the old
    // one, now under the temporary name, goes with it. A link in the letter's
    // place is replaced as a link: what it points to stays as it is.
    if (!FolderSwap::replace(nuova.path(), posto))
        return rifiuto.arg(figure, perche());
    nuova.setAutoRemove(false);
    rimuovi(nuova.path());
    FolderSwap::sync(figure);
    return {};
}

QString FigureClasse::togli(QChar lettera) const {
    if (utente_.isEmpty())
        return senzaCartella().arg(QStringLiteral("tolta"));
    const QString posto = cartellaLettera(utente_, lettera);
    if (!QFileInfo::exists(posto)) {
        const QString usata = cartellaUsata(lettera);
        if (!usata.isEmpty())
            return QStringLiteral("La figura della lettera %1 è della scuola (%2): si toglie da "
                                  "quella cartella.")
                .arg(lettera)
                .arg(usata);
        return QStringLiteral("La lettera %1 non ha una figura della classe.").arg(lettera);
    }
    const QString figure = utente_ + QLatin1Char('/') + sottocartella;
    const QString rifiuto = QStringLiteral("La figura non è stata tolta dalla cartella %1: %2.");
    const Turno turno(figure);
    if (!turno.preso())
        return rifiuto.arg(figure, turno.motivo());
    // Out of its place by one rename, then deleted at leisure; a link goes as
    // a link, and what it points to stays as it is.
    QTemporaryDir via(figure + QLatin1Char('/') + lavoro(lettera, QStringLiteral("via-XXXXXX")));
    if (!via.isValid())
        return rifiuto.arg(figure, perche());
    if (!FolderSwap::move(posto, via.path() + QStringLiteral("/vecchia")))
        return rifiuto.arg(figure, perche());
    via.setAutoRemove(false);
    rimuovi(via.path());
    FolderSwap::sync(figure);
    return {};
}
