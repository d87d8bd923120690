// SPDX-License-Identifier: GPL-3.0-or-later
#include "CancellazioniRegistro.h"

#include "ChiavePrivata.h"
#include "CopiaLaboratorio.h"
#include "DatabaseRegistro.h"
#include "FileVoci.h"
#include "FormatoVoce.h"
#include "SigilloCorsa.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QUuid>

namespace {

class Criterio {
public:
    explicit Criterio(const Cancellazione& c)
        : c_(c), limite_(QDateTime(c.giorno, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch()) {}

    bool tutto() const { return c_.tipo == Cancellazione::Tipo::Tutto; }
    bool cancella(const VoceRegistro& v) const {
        switch (c_.tipo) {
        case Cancellazione::Tipo::Alunno:
            return v.alunno == c_.alunno;
        case Cancellazione::Tipo::PrimaDi:
            return v.quando < limite_;
        case Cancellazione::Tipo::Tutto:
            break;
        }
        return true;
    }

private:
    const Cancellazione& c_;
    const qint64 limite_;
};

// The journals of killed runs go into the database, to be erased there.
bool importaGiornali(DatabaseRegistro& db, const QString& locale, bool tutto) {
    for (FileVoci::GiornaleMorto& morto : FileVoci::giornaliMorti(locale)) {
        const FileVoci::Letto l = FileVoci::leggiFile(morto.percorso);
        QList<DatabaseRegistro::Riga> righe;
        for (const FileVoci::Record& r : l.record)
            righe.append({l.corsa, r.n, r.cifrato.toByteArray()});
        if (!tutto && !righe.isEmpty() && !db.aggiungiCorsa(l.corsa, l.sigillo, righe))
            return false;
        QFile::remove(morto.percorso);
    }
    return true;
}

bool cancellaLocale(const QString& locale, const ChiavePrivata& chiave, const Criterio& criterio) {
    if (locale.isEmpty() ||
        !QFileInfo(QDir(locale).filePath(DatabaseRegistro::nomeFile())).isFile())
        return true;
    DatabaseRegistro db(locale, QStringLiteral("registro-cancellazione-") +
                                    QUuid::createUuid().toString(QUuid::Id128));
    if (!db.apri(false) || !importaGiornali(db, locale, criterio.tutto()))
        return false;
    if (criterio.tutto())
        return db.eliminaTutto();
    QHash<QByteArray, std::shared_ptr<SigilloCorsa>> sigilli;
    for (const auto& [corsa, sigillo] : db.corse())
        if (auto s = SigilloCorsa::apri(corsa, sigillo, chiave))
            sigilli.insert(corsa, std::make_shared<SigilloCorsa>(std::move(*s)));
    QList<DatabaseRegistro::Riga> via;
    QByteArray chiaro;
    for (const DatabaseRegistro::Riga& r : db.voci()) {
        const auto s = sigilli.constFind(r.corsa);
        if (s == sigilli.constEnd() || !(*s)->apriVoce(r.n, r.cifrato, chiaro))
            continue; // what no key opens, nobody reads
        const auto v = FormatoVoce::leggi(chiaro);
        if (v && criterio.cancella(*v))
            via.append(r);
    }
    return via.isEmpty() || db.elimina(via);
}

enum class Esito { Fatto, Fallito };

// One file of the lab's folder: kept as it is, removed, or written again
// without the erased entries under a new run's seal, then removed.
Esito cancellaFile(const QString& registro, const QString& percorso, const ChiavePrivata& chiave,
                   const Criterio& criterio) {
    const FileVoci::Letto l = FileVoci::leggiFile(percorso);
    if (criterio.tutto())
        return QFile::remove(percorso) ? Esito::Fatto : Esito::Fallito;
    const auto sigillo = SigilloCorsa::apri(l.corsa, l.sigillo, chiave);
    if (l.esito == FileVoci::Letto::Esito::NonAperto || !sigillo)
        return Esito::Fatto; // not readable by this key: nothing of it to judge
    QList<VoceRegistro> restano;
    bool cancellate = false;
    QByteArray chiaro;
    for (const FileVoci::Record& r : l.record) {
        std::optional<VoceRegistro> v;
        if (sigillo->apriVoce(r.n, r.cifrato, chiaro))
            v = FormatoVoce::leggi(chiaro);
        if (!v)
            continue; // damaged: no one could read it anyway
        if (criterio.cancella(*v))
            cancellate = true;
        else
            restano.append(std::move(*v));
    }
    if (!cancellate)
        return Esito::Fatto;
    if (!restano.isEmpty()) {
        const auto nuovo = SigilloCorsa::nuovo(chiave.pubblica());
        if (!nuovo)
            return Esito::Fallito;
        QByteArray byte = FileVoci::intestazione(nuovo->corsa(), nuovo->sigillo());
        for (qsizetype n = 0; n < restano.size(); ++n)
            byte += FileVoci::record(quint64(n),
                                     nuovo->sigilla(quint64(n), FormatoVoce::scrivi(restano[n])));
        if (CopiaLaboratorio::scriviNuovo(registro, CopiaLaboratorio::nome(nuovo->corsa(), 0),
                                          byte) != CopiaLaboratorio::Esito::Scritto)
            return Esito::Fallito;
    }
    return QFile::remove(percorso) ? Esito::Fatto : Esito::Fallito;
}

} // namespace

QString cancellaRegistro(const CartelleRegistro& cartelle, const ChiavePrivata& chiave,
                         const Cancellazione& cancellazione) {
    if (!chiave.valida())
        return QStringLiteral("Senza la chiave dell'insegnante il registro non si può cancellare.");
    const Criterio criterio(cancellazione);
    int falliti = 0;
    if (cartelle.condivisa()) {
        const QDir dir(CopiaLaboratorio::cartella(cartelle.registro));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            const bool temporaneo = CopiaLaboratorio::nomeTemporaneo(info.fileName());
            if (info.isSymLink() || !(CopiaLaboratorio::nomeValido(info.fileName()) ||
                                      (temporaneo && criterio.tutto())))
                continue;
            if (temporaneo ? !QFile::remove(info.filePath())
                           : cancellaFile(cartelle.registro, info.filePath(), chiave, criterio) ==
                                 Esito::Fallito)
                ++falliti;
        }
    }
    const bool locale = cancellaLocale(cartelle.locale, chiave, criterio);
    if (falliti == 0 && locale)
        return {};
    if (!locale)
        return QStringLiteral("Le risposte salvate su questo PC non si sono potute cancellare: "
                              "riprova più tardi.");
    return falliti == 1 ? QStringLiteral("Un file della cartella del registro non si è potuto "
                                         "cancellare: riprova più tardi.")
                        : QStringLiteral("%1 file della cartella del registro non si sono potuti "
                                         "cancellare: riprova più tardi.")
                              .arg(falliti);
}
