// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

class QFile;

// A file of sealed entries, the journal of a run or a batch copied to the
// lab's folder: "VRB1", the run's id, the run's sealed key, then records of
// a length (32 bits), the entry's number (64 bits), both big-endian, and the
// sealed entry. A file is only ever appended to, one whole record at a time,
// so a program killed mid-write leaves at most its last record cut short.
namespace FileVoci {

constexpr qint64 massimoFile = 32 * 1024 * 1024;
constexpr qint64 massimoRecord = 64 * 1024;
constexpr qint64 lunghezzaIntestazione = 4 + 16 + 80;

QByteArray intestazione(const QByteArray& corsa, const QByteArray& sigillo);
QByteArray record(quint64 n, QByteArrayView cifrato);

struct Record {
    quint64 n = 0;
    QByteArrayView cifrato; // into Letto::byte
};

struct Letto {
    enum class Esito { Buono, NonAperto, Estraneo, Danneggiato, Troppo };
    Esito esito = Esito::Buono;
    QByteArray byte; // the whole file, which the records point into
    QByteArray corsa;
    QByteArray sigillo;
    QList<Record> record;
    bool troncato = false; // the last record cut short, left out
};

// Reads bytes already in memory. Estraneo: not this format; Danneggiato: a
// record's length past the limit (what came before it is kept); Troppo: over
// the size limit.
Letto leggi(QByteArray byte);

// Opens a regular file only (never waits on a FIFO or a device) and reads at
// most the size limit. NonAperto: missing, not a regular file, unreadable.
Letto leggiFile(const QString& percorso);

// The journal of the running program in the local folder, beside a lock
// file that tells a running program's journal from one a killed run left.
class Giornale {
public:
    static QString nome(const QByteArray& corsa);      // "giornale-<run id, hex>.vrb"
    static bool nomeGiornale(const QString& nomeFile); // that pattern
    static QString blocco(const QString& percorsoGiornale);

    Giornale();
    ~Giornale(); // leaves the file: a run's entries stay until stored elsewhere
    Giornale(const Giornale&) = delete;
    Giornale& operator=(const Giornale&) = delete;

    // False when the folder takes no file: the entries then live in memory.
    bool crea(const QString& cartella, const QByteArray& corsa, const QByteArray& sigillo);
    bool attivo() const;
    // One write of one whole record; on failure the journal is given up.
    bool aggiungi(const QByteArray& record);
    void rimuovi();

private:
    std::unique_ptr<QFile> file_;
    std::unique_ptr<QLockFile> blocco_;
};

// The journals in `cartella` of runs no program runs anymore, each one's
// lock taken: remove each journal and then its lock once stored elsewhere.
struct GiornaleMorto {
    QString percorso;
    std::unique_ptr<QLockFile> blocco;
};
std::vector<GiornaleMorto> giornaliMorti(const QString& cartella);

} // namespace FileVoci
