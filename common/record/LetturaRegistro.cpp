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
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

enum class Fonte : quint8 { Locale = 1, Condivisa = 2 };

// The sealed entries of one run, from a file or from the database, and
// where in the reading they go.
struct Blocco {
    QString nome; // the file's, for the notes
    Fonte fonte = Fonte::Locale;
    FileVoci::Letto letto; // a file's bytes, which the records point into
    QList<FileVoci::Record> record;
    std::optional<SigilloCorsa> sigillo;
    QString nota;
    qsizetype primo = 0;
    int guaste = 0;
};

QString citato(const QString& nome) {
    return QStringLiteral("«%1»").arg(nome);
}

QString notaGuaste(const QString& nome, int guaste) {
    return guaste == 1
               ? QStringLiteral("%1: una risposta danneggiata non è stata letta.").arg(citato(nome))
               : QStringLiteral("%1: %2 risposte danneggiate non sono state lette.")
                     .arg(citato(nome))
                     .arg(guaste);
}

// A journal of this PC (a running program's too: its last record may be
// half-written, which is no fault) or a copy in the lab's folder; its
// entries are opened later, into their place.
void apriFile(Blocco& b, const QString& percorso, const ChiavePrivata& chiave) {
    b.letto = FileVoci::leggiFile(percorso);
    const FileVoci::Letto& l = b.letto;
    using E = FileVoci::Letto::Esito;
    const QString nome = citato(b.nome);
    if (l.esito == E::NonAperto)
        b.nota = QStringLiteral("%1 non si è potuto aprire: non è stato letto.").arg(nome);
    else if (l.esito == E::Troppo)
        b.nota = QStringLiteral("%1 è troppo grande per essere un file del registro: non è "
                                "stato letto.")
                     .arg(nome);
    else if (l.esito == E::Estraneo || (b.fonte == Fonte::Condivisa &&
                                        !b.nome.startsWith(QString::fromLatin1(l.corsa.toHex()))))
        b.nota = QStringLiteral("%1 non è un file del registro: non è stato letto.").arg(nome);
    else if (!(b.sigillo = SigilloCorsa::apri(l.corsa, l.sigillo, chiave)))
        b.nota = QStringLiteral("%1 è sigillato per un'altra chiave o è danneggiato: non è "
                                "stato letto.")
                     .arg(nome);
    else if (l.esito == E::Danneggiato)
        b.nota = QStringLiteral("%1 è danneggiato: si è letto solo quello che viene prima del "
                                "danno.")
                     .arg(nome);
    else if (l.troncato && b.fonte == Fonte::Condivisa)
        b.nota = QStringLiteral("%1 è incompleto: l'ultima risposta non è stata letta.").arg(nome);
    if (b.sigillo)
        b.record = l.record;
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

// This PC's database, a block for each run. The rows hold the bytes the
// records point into.
void leggiDatabase(const QString& locale, const ChiavePrivata& chiave, std::vector<Blocco>& blocchi,
                   QList<DatabaseRegistro::Riga>& righe, std::optional<qint64>* attesaDal) {
    DatabaseRegistro db(locale, QStringLiteral("registro-lettura-") +
                                    QUuid::createUuid().toString(QUuid::Id128));
    if (!db.apri(false))
        return;
    *attesaDal = db.attesaDal();
    QHash<QByteArray, qsizetype> perCorsa;
    for (const auto& [corsa, sigillo] : db.corse()) {
        perCorsa.insert(corsa, qsizetype(blocchi.size()));
        Blocco& b = blocchi.emplace_back();
        b.nome = DatabaseRegistro::nomeFile();
        b.sigillo = SigilloCorsa::apri(corsa, sigillo, chiave);
    }
    righe = db.voci();
    for (const DatabaseRegistro::Riga& r : righe)
        if (const auto i = perCorsa.constFind(r.corsa); i != perCorsa.constEnd()) {
            if (blocchi[size_t(*i)].sigillo)
                blocchi[size_t(*i)].record.append({r.n, r.cifrato});
            else
                ++blocchi[size_t(*i)].guaste;
        }
}

// Opens a block's entries into their places; a place left empty has no id.
void apriVoci(Blocco& b, VoceRegistro* posto) {
    QByteArray chiaro;
    FormatoVoce::Testi testi;
    for (const FileVoci::Record& r : b.record) {
        std::optional<VoceRegistro> v;
        if (b.sigillo->apriVoce(r.n, r.cifrato, chiaro))
            v = FormatoVoce::leggi(chiaro, &testi);
        if (v && !v->id.isEmpty())
            *posto = std::move(*v);
        else
            ++b.guaste;
        ++posto;
    }
}

// Puts `voci` in the order `ordine` names, each moved once, then drops what
// is past `tenute`.
void ordina(QList<VoceRegistro>& voci, std::vector<quint32>& ordine, qsizetype tenute) {
    std::vector<bool> fatto(ordine.size(), false);
    for (size_t i = 0; i < ordine.size(); ++i) {
        if (fatto[i] || ordine[i] == i)
            continue;
        VoceRegistro primo = std::move(voci[qsizetype(i)]);
        size_t j = i;
        while (ordine[j] != i) {
            voci[qsizetype(j)] = std::move(voci[qsizetype(ordine[j])]);
            fatto[j] = true;
            j = ordine[j];
        }
        voci[qsizetype(j)] = std::move(primo);
        fatto[j] = true;
    }
    voci.resize(tenute);
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
    std::vector<Blocco> blocchi;
    QList<DatabaseRegistro::Riga> righe;
    leggiDatabase(cartelle.locale, chiave, blocchi, righe, &attesaDal);

    QStringList percorsi;
    const size_t primoFile = blocchi.size();
    const auto aggiungi = [&](const QString& percorso, Fonte fonte) {
        percorsi << percorso;
        Blocco& b = blocchi.emplace_back();
        b.nome = QFileInfo(percorso).fileName();
        b.fonte = fonte;
    };
    const QDir locale(cartelle.locale);
    for (const QString& nome :
         locale.entryList({QStringLiteral("giornale-*.vrb")}, QDir::Files, QDir::Name))
        if (FileVoci::Giornale::nomeGiornale(nome))
            aggiungi(locale.filePath(nome), Fonte::Locale);
    const bool condivisa = cartelle.condivisa();
    if (condivisa) {
        const QDir dir(CopiaLaboratorio::cartella(cartelle.registro));
        const QFileInfoList trovati = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& info : trovati) {
            if (const auto perche = scartato(info))
                r.note.append(*perche);
            else
                aggiungi(info.filePath(), Fonte::Condivisa);
        }
    }
    ParallelFor::run(int(percorsi.size()),
                     [&](int i) { apriFile(blocchi[primoFile + size_t(i)], percorsi[i], chiave); });
    qsizetype totale = 0;
    for (Blocco& b : blocchi) {
        b.primo = totale;
        totale += b.record.size();
    }
    r.voci.resize(totale);
    ParallelFor::run(int(blocchi.size()), [&](int i) {
        apriVoci(blocchi[size_t(i)], r.voci.data() + blocchi[size_t(i)].primo);
    });
    std::vector<Fonte> fonti(static_cast<size_t>(totale));
    for (const Blocco& b : blocchi) {
        std::fill_n(fonti.begin() + b.primo, b.record.size(), b.fonte);
        if (!b.nota.isEmpty())
            r.note.append(b.nota);
        else if (b.guaste > 0)
            r.note.append(notaGuaste(b.nome, b.guaste));
    }

    // Each entry once: the same entry, read from this PC and from the lab's
    // folder, has the same time and id, so they lie side by side.
    // Sorted on small keys: the entries themselves are large and far apart.
    struct Chiave {
        qint64 quando;
        quint64 id; // its first bytes
        quint32 i;
    };
    std::vector<Chiave> chiavi;
    chiavi.reserve(size_t(totale));
    for (qsizetype i = 0; i < totale; ++i)
        if (const QByteArray& id = r.voci[i].id; !id.isEmpty()) {
            quint64 inizio = 0;
            memcpy(&inizio, id.constData(), size_t(std::min<qsizetype>(8, id.size())));
            chiavi.push_back({r.voci[i].quando, qFromBigEndian(inizio), quint32(i)});
        }
    const auto& v = r.voci;
    std::sort(chiavi.begin(), chiavi.end(), [&v](const Chiave& a, const Chiave& b) {
        if (a.quando != b.quando)
            return a.quando < b.quando;
        if (a.id != b.id)
            return a.id < b.id;
        return v[a.i].id < v[b.i].id;
    });
    std::vector<quint32> ordine;
    ordine.reserve(chiavi.size());
    for (const Chiave& c : chiavi)
        ordine.push_back(c.i);
    std::vector<quint32> tenute, scartate;
    tenute.reserve(ordine.size());
    qint64 aspettano = 0, primaInAttesa = 0;
    std::vector<bool> visto(static_cast<size_t>(totale), false);
    for (size_t i = 0; i < ordine.size();) {
        size_t fine = i + 1;
        int da = int(fonti[ordine[i]]);
        while (fine < ordine.size() && v[ordine[fine]].quando == v[ordine[i]].quando &&
               v[ordine[fine]].id == v[ordine[i]].id) {
            da |= int(fonti[ordine[fine]]);
            scartate.push_back(ordine[fine++]);
        }
        if (da == int(Fonte::Locale) && condivisa && aspettano++ == 0)
            primaInAttesa = v[ordine[i]].quando;
        tenute.push_back(ordine[i]);
        i = fine;
    }
    const qsizetype quante = qsizetype(tenute.size());
    for (quint32 i : tenute)
        visto[i] = true;
    for (quint32 i : scartate)
        visto[i] = true;
    tenute.insert(tenute.end(), scartate.begin(), scartate.end());
    for (qsizetype i = 0; i < totale; ++i)
        if (!visto[size_t(i)])
            tenute.push_back(quint32(i));
    ordina(r.voci, tenute, quante);

    if (aspettano > 0) {
        const QString dal = quando(attesaDal.value_or(primaInAttesa));
        r.note.append(aspettano == 1
                          ? QStringLiteral("1 risposta di questo PC aspetta di essere copiata "
                                           "nella cartella del registro %1.")
                                .arg(dal)
                          : QStringLiteral("%1 risposte di questo PC aspettano di essere copiate "
                                           "nella cartella del registro %2.")
                                .arg(aspettano)
                                .arg(dal));
    }
    return r;
}
