// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaRegistro.h"

#include "ChiavePrivata.h"
#include "CopiaLaboratorio.h"
#include "DatabaseRegistro.h"
#include "FileVoci.h"
#include "FormatoVoce.h"
#include "SigilloCorsa.h"

#include "common/platform/services/ParallelFor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QUuid>

#include <algorithm>
#include <optional>

namespace {

enum class Fonte : quint8 { Locale = 1, Condivisa = 2 };

// The entries of one file or of one run in the database.
struct Parte {
    QList<VoceRegistro> voci;
    Fonte fonte = Fonte::Locale;
    QString nota;
};

QString citato(const QString& nome) {
    return QStringLiteral("«%1»").arg(nome);
}

// Opens the entries of one run; counts those that do not open.
template <typename Records>
int apriVoci(const SigilloCorsa& sigillo, const Records& records, QList<VoceRegistro>& voci) {
    int guaste = 0;
    QByteArray chiaro;
    voci.reserve(voci.size() + records.size());
    for (const auto& r : records) {
        std::optional<VoceRegistro> v;
        if (sigillo.apriVoce(r.n, r.cifrato, chiaro))
            v = FormatoVoce::leggi(chiaro);
        if (v)
            voci.append(std::move(*v));
        else
            ++guaste;
    }
    return guaste;
}

QString notaGuaste(const QString& nome, int guaste) {
    return guaste == 1
               ? QStringLiteral("%1: una risposta danneggiata non è stata letta.").arg(citato(nome))
               : QStringLiteral("%1: %2 risposte danneggiate non sono state lette.")
                     .arg(citato(nome))
                     .arg(guaste);
}

// A journal of this PC (a running program's too: its last record may be
// half-written, which is no fault) or a copy in the lab's folder.
Parte leggiFile(const QString& percorso, Fonte fonte, const ChiavePrivata& chiave) {
    Parte p;
    p.fonte = fonte;
    const QString nome = QFileInfo(percorso).fileName();
    const FileVoci::Letto l = FileVoci::leggiFile(percorso);
    using E = FileVoci::Letto::Esito;
    if (l.esito == E::NonAperto) {
        p.nota = QStringLiteral("%1 non si è potuto aprire: non è stato letto.").arg(citato(nome));
        return p;
    }
    if (l.esito == E::Troppo) {
        p.nota = QStringLiteral("%1 è troppo grande per essere un file del registro: non è stato "
                                "letto.")
                     .arg(citato(nome));
        return p;
    }
    if (l.esito == E::Estraneo ||
        (fonte == Fonte::Condivisa && !nome.startsWith(QString::fromLatin1(l.corsa.toHex())))) {
        p.nota =
            QStringLiteral("%1 non è un file del registro: non è stato letto.").arg(citato(nome));
        return p;
    }
    const std::optional<SigilloCorsa> sigillo = SigilloCorsa::apri(l.corsa, l.sigillo, chiave);
    if (!sigillo) {
        p.nota = QStringLiteral("%1 è sigillato per un'altra chiave o è danneggiato: non è stato "
                                "letto.")
                     .arg(citato(nome));
        return p;
    }
    const int guaste = apriVoci(*sigillo, l.record, p.voci);
    if (l.esito == E::Danneggiato)
        p.nota = QStringLiteral("%1 è danneggiato: si è letto solo quello che viene prima del "
                                "danno.")
                     .arg(citato(nome));
    else if (guaste > 0)
        p.nota = notaGuaste(nome, guaste);
    else if (l.troncato && fonte == Fonte::Condivisa)
        p.nota = QStringLiteral("%1 è incompleto: l'ultima risposta non è stata letta.")
                     .arg(citato(nome));
    return p;
}

// Why a name in the lab's folder is not read, or nothing when it is to be.
std::optional<QString> scartato(const QFileInfo& info) {
    const QString nome = citato(info.fileName());
    if (CopiaLaboratorio::nomeTemporaneo(info.fileName()))
        return QStringLiteral("%1 è una copia ancora a metà: non è stata letta.").arg(nome);
    if (info.isSymLink())
        return QStringLiteral("%1 rimanda a un altro file: non è stato letto.").arg(nome);
    if (!CopiaLaboratorio::nomeValido(info.fileName()))
        return QStringLiteral("%1 non ha il nome di un file del registro: non è stato letto.")
            .arg(nome);
    if (!info.isFile())
        return QStringLiteral("%1 non è un file normale: non è stato letto.").arg(nome);
    return std::nullopt;
}

// This PC's database: each run's entries a part.
QList<Parte> leggiDatabase(const QString& locale, const ChiavePrivata& chiave,
                           std::optional<qint64>* attesaDal) {
    QList<Parte> parti;
    DatabaseRegistro db(locale, QStringLiteral("registro-lettura-") +
                                    QUuid::createUuid().toString(QUuid::Id128));
    if (!db.apri(false))
        return parti;
    *attesaDal = db.attesaDal();
    QHash<QByteArray, qsizetype> perCorsa;
    std::vector<std::optional<SigilloCorsa>> sigilli;
    for (const auto& [corsa, sigillo] : db.corse()) {
        perCorsa.insert(corsa, qsizetype(sigilli.size()));
        sigilli.push_back(SigilloCorsa::apri(corsa, sigillo, chiave));
    }
    const QList<DatabaseRegistro::Riga> righe = db.voci();
    QList<QList<DatabaseRegistro::Riga>> gruppi(qsizetype(sigilli.size()));
    for (const DatabaseRegistro::Riga& r : righe)
        if (const auto i = perCorsa.constFind(r.corsa); i != perCorsa.constEnd())
            gruppi[*i].append(r);
    int guaste = 0;
    for (size_t i = 0; i < sigilli.size(); ++i) {
        Parte p;
        if (sigilli[i])
            guaste += apriVoci(*sigilli[i], gruppi[qsizetype(i)], p.voci);
        else
            guaste += int(gruppi[qsizetype(i)].size());
        parti.append(std::move(p));
    }
    if (guaste > 0) {
        Parte p;
        p.nota = notaGuaste(DatabaseRegistro::nomeFile(), guaste);
        parti.append(std::move(p));
    }
    return parti;
}

QString quando(qint64 ms) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms).toLocalTime();
    return QStringLiteral("dal %1 alle %2")
        .arg(t.date().toString(QStringLiteral("dd/MM/yyyy")),
             t.time().toString(QStringLiteral("H:mm")));
}

} // namespace

LetturaRegistro LetturaRegistro::leggi(const CartelleRegistro& cartelle,
                                       const ChiavePrivata& chiave, const QStringList& classe) {
    LetturaRegistro r;
    r.classe = classe;
    std::optional<qint64> attesaDal;
    QList<Parte> parti = leggiDatabase(cartelle.locale, chiave, &attesaDal);

    struct File {
        QString percorso;
        Fonte fonte;
    };
    QList<File> file;
    const QDir locale(cartelle.locale);
    for (const QString& nome :
         locale.entryList({QStringLiteral("giornale-*.vrb")}, QDir::Files, QDir::Name))
        if (FileVoci::Giornale::nomeGiornale(nome))
            file.append({locale.filePath(nome), Fonte::Locale});
    const bool condivisa = cartelle.condivisa();
    if (condivisa) {
        const QDir dir(CopiaLaboratorio::cartella(cartelle.registro));
        const QFileInfoList trovati = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& info : trovati) {
            if (const auto perche = scartato(info))
                r.note.append(*perche);
            else
                file.append({info.filePath(), Fonte::Condivisa});
        }
    }
    const qsizetype primoFile = parti.size();
    parti.resize(primoFile + file.size());
    ParallelFor::run(int(file.size()), [&](int i) {
        parti[primoFile + i] = leggiFile(file[i].percorso, file[i].fonte, chiave);
    });

    // Each entry once: the same entry, read from this PC and from the lab's
    // folder, has the same time and id, so they lie side by side.
    struct Posto {
        qint64 quando;
        VoceRegistro* voce;
        Fonte fonte;
    };
    std::vector<Posto> posti;
    qsizetype totale = 0;
    for (const Parte& p : parti)
        totale += p.voci.size();
    posti.reserve(size_t(totale));
    for (Parte& p : parti) {
        if (!p.nota.isEmpty())
            r.note.append(p.nota);
        for (VoceRegistro& v : p.voci)
            posti.push_back({v.quando, &v, p.fonte});
    }
    std::sort(posti.begin(), posti.end(), [](const Posto& a, const Posto& b) {
        return a.quando != b.quando ? a.quando < b.quando : a.voce->id < b.voce->id;
    });
    r.voci.reserve(totale);
    qint64 aspettano = 0, primaInAttesa = 0;
    for (size_t i = 0; i < posti.size();) {
        size_t fine = i + 1;
        int fonti = int(posti[i].fonte);
        while (fine < posti.size() && posti[fine].quando == posti[i].quando &&
               posti[fine].voce->id == posti[i].voce->id)
            fonti |= int(posti[fine++].fonte);
        if (fonti == int(Fonte::Locale) && condivisa && aspettano++ == 0)
            primaInAttesa = posti[i].quando;
        r.voci.append(std::move(*posti[i].voce));
        i = fine;
    }
    if (aspettano > 0) {
        const QString dal = quando(attesaDal.value_or(primaInAttesa));
        r.note.append(
            aspettano == 1
                ? QStringLiteral("1 risposta di questo PC aspetta di essere copiata nella "
                                 "cartella del registro %1.")
                      .arg(dal)
                : QStringLiteral("%1 risposte di questo PC aspettano di essere copiate "
                                 "nella cartella del registro %2.")
                      .arg(aspettano)
                      .arg(dal));
    }
    return r;
}
