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

// The sealed entries of one run, from a file or the database, and where in
// the reading they go.
struct Blocco {
    QString percorso;
    QString nome; // the file's, for the notes
    Fonte fonte = Fonte::Locale;
    FileVoci::Letto letto; // a file's bytes, which the records point into
    QList<FileVoci::Record> record;
    std::optional<SigilloCorsa> sigillo;
    QString nota;
    std::vector<VoceRegistro> voci; // those opened, in the block's order
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
void apriFile(Blocco& b, const ChiavePrivata& chiave) {
    b.letto = FileVoci::leggiFile(b.percorso);
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

// Opens a block's entries, each into the block's list, the damaged ones
// counted.
void apriVoci(Blocco& b) {
    QByteArray chiaro;
    FormatoVoce::Testi testi;
    b.voci.reserve(size_t(b.record.size()));
    for (const FileVoci::Record& r : b.record) {
        std::optional<VoceRegistro> v;
        if (b.sigillo->apriVoce(r.n, r.cifrato, chiaro))
            v = FormatoVoce::leggi(chiaro, &testi);
        if (v && !v->id.isEmpty())
            b.voci.push_back(std::move(*v));
        else
            ++b.guaste;
    }
    // The sealed bytes are not needed again.
    b.record = {};
    b.letto = {};
}

struct InAttesa {
    qint64 quante = 0;
    qint64 dal = 0; // the first one's time
};

// Every block's entries, by time, each once: the same entry, read from this
// PC and from the lab's folder, has the same time and id, so they lie side
// by side. Sorted on small keys, the entries being large and far apart; then
// each is moved once, into its place. Counts those only this PC has.
InAttesa ordina(std::vector<Blocco>& blocchi, bool condivisa, QList<VoceRegistro>& voci) {
    struct Chiave {
        qint64 quando;
        quint64 id; // its first bytes
        quint32 blocco;
        quint32 i;
    };
    std::vector<Chiave> chiavi;
    size_t totale = 0;
    for (const Blocco& b : blocchi)
        totale += b.voci.size();
    chiavi.reserve(totale);
    for (size_t nb = 0; nb < blocchi.size(); ++nb)
        for (size_t i = 0; i < blocchi[nb].voci.size(); ++i) {
            const VoceRegistro& v = blocchi[nb].voci[i];
            quint64 inizio = 0;
            memcpy(&inizio, v.id.constData(), size_t(std::min<qsizetype>(8, v.id.size())));
            chiavi.push_back({v.quando, qFromBigEndian(inizio), quint32(nb), quint32(i)});
        }
    const auto voce = [&blocchi](const Chiave& c) -> VoceRegistro& {
        return blocchi[c.blocco].voci[c.i];
    };
    const auto stessa = [&voce](const Chiave& a, const Chiave& b) {
        return a.quando == b.quando && a.id == b.id && voce(a).id == voce(b).id;
    };
    std::sort(chiavi.begin(), chiavi.end(), [&voce](const Chiave& a, const Chiave& b) {
        if (a.quando != b.quando || a.id != b.id)
            return a.quando != b.quando ? a.quando < b.quando : a.id < b.id;
        return voce(a).id < voce(b).id;
    });
    InAttesa attesa;
    voci.reserve(qsizetype(totale));
    for (size_t i = 0; i < chiavi.size();) {
        size_t fine = i + 1;
        int da = int(blocchi[chiavi[i].blocco].fonte);
        while (fine < chiavi.size() && stessa(chiavi[fine], chiavi[i]))
            da |= int(blocchi[chiavi[fine++].blocco].fonte);
        if (da == int(Fonte::Locale) && condivisa && attesa.quante++ == 0)
            attesa.dal = chiavi[i].quando;
        voci.append(std::move(voce(chiavi[i])));
        i = fine;
    }
    return attesa;
}

QString notaAttesa(qint64 quante, qint64 dal) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(dal).toLocalTime();
    const QString quando = QStringLiteral("dal %1 alle %2")
                               .arg(t.date().toString(QStringLiteral("dd/MM/yyyy")),
                                    t.time().toString(QStringLiteral("H:mm")));
    return quante == 1 ? QStringLiteral("1 risposta di questo PC aspetta di essere copiata nella "
                                        "cartella del registro %1.")
                             .arg(quando)
                       : QStringLiteral("%1 risposte di questo PC aspettano di essere copiate "
                                        "nella cartella del registro %2.")
                             .arg(quante)
                             .arg(quando);
}

} // namespace

LetturaRegistro LetturaRegistro::leggi(const CartelleRegistro& cartelle,
                                       const ChiavePrivata& chiave, const QStringList& classe) {
    LetturaRegistro r;
    r.classe = classe;
    std::optional<qint64> attesaDal;
    std::vector<Blocco> blocchi;
    QList<DatabaseRegistro::Riga> righe;
    // An empty local folder would name the working one: nothing local is read.
    const bool conLocale = !cartelle.locale.isEmpty();
    if (conLocale)
        leggiDatabase(cartelle.locale, chiave, blocchi, righe, &attesaDal);

    const auto aggiungi = [&](const QString& percorso, Fonte fonte) {
        Blocco& b = blocchi.emplace_back();
        b.percorso = percorso;
        b.nome = QFileInfo(percorso).fileName();
        b.fonte = fonte;
    };
    const QDir locale(cartelle.locale);
    for (const QString& nome :
         locale.entryList({QStringLiteral("giornale-*.vrb")}, QDir::Files, QDir::Name))
        if (conLocale && FileVoci::Giornale::nomeGiornale(nome))
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
    // A file is read and its entries opened in one job, its bytes let go
    // before the next: the whole lab's files are never in memory at once.
    ParallelFor::run(int(blocchi.size()), [&](int i) {
        Blocco& b = blocchi[size_t(i)];
        if (!b.percorso.isEmpty())
            apriFile(b, chiave);
        if (b.sigillo)
            apriVoci(b);
    });
    for (const Blocco& b : blocchi) {
        if (!b.nota.isEmpty())
            r.note.append(b.nota);
        else if (b.guaste > 0)
            r.note.append(notaGuaste(b.nome, b.guaste));
    }

    const InAttesa attesa = ordina(blocchi, condivisa, r.voci);
    if (attesa.quante > 0)
        r.note.append(notaAttesa(attesa.quante, attesaDal.value_or(attesa.dal)));
    return r;
}
