// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrittoreRegistro.h"

#include "CopiaLaboratorio.h"
#include "DatabaseRegistro.h"
#include "FileVoci.h"

#include "common/platform/services/Clock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <utility>

namespace {

// Brings in the journals of runs that were killed; false when the database
// took them not, to be tried again.
bool importa(DatabaseRegistro& db, const QString& cartella) {
    for (FileVoci::GiornaleMorto& morto : FileVoci::giornaliMorti(cartella)) {
        const FileVoci::Letto l = FileVoci::leggiFile(morto.percorso);
        if (l.esito == FileVoci::Letto::Esito::NonAperto ||
            l.esito == FileVoci::Letto::Esito::Troppo)
            continue;
        if (l.esito == FileVoci::Letto::Esito::Estraneo) {
            // Killed before its first record was written: nothing to keep.
            if (l.byte.size() < FileVoci::lunghezzaIntestazione)
                QFile::remove(morto.percorso);
            continue;
        }
        QList<DatabaseRegistro::Riga> righe;
        righe.reserve(l.record.size());
        for (const FileVoci::Record& r : l.record)
            righe.append({l.corsa, r.n, r.cifrato.toByteArray()});
        if (!db.aggiungiCorsa(l.corsa, l.sigillo, righe))
            return false;
        QFile::remove(morto.percorso);
    }
    return true;
}

QDeadlineTimer primo(QDeadlineTimer a, QDeadlineTimer b) {
    return a.deadlineNSecs() < b.deadlineNSecs() ? a : b;
}

} // namespace

ScrittoreRegistro::ScrittoreRegistro(const CartelleRegistro& cartelle, QByteArray corsa,
                                     QByteArray sigillo, const Clock& orologio)
    : cartelle_(cartelle), corsa_(std::move(corsa)), sigillo_(std::move(sigillo)),
      orologio_(orologio) {}

ScrittoreRegistro::~ScrittoreRegistro() {
    ferma();
}

void ScrittoreRegistro::consegna(Voce voce) {
    QMutexLocker lock(&mutex_);
    coda_.append(std::move(voce));
    ++consegnate_;
    lavoro_.wakeOne();
}

bool ScrittoreRegistro::fatto() const {
    return iniziato_ && registrate_ == consegnate_ && provateCopie_ >= consegnate_;
}

bool ScrittoreRegistro::attendi(int millisecondi) {
    const QDeadlineTimer scadenza(millisecondi);
    QMutexLocker lock(&mutex_);
    while (!fatto())
        if (!fatto_.wait(&mutex_, scadenza))
            return fatto();
    return true;
}

bool ScrittoreRegistro::tuttoRegistrato() {
    QMutexLocker lock(&mutex_);
    return iniziato_ && registrate_ == consegnate_;
}

void ScrittoreRegistro::ferma() {
    {
        QMutexLocker lock(&mutex_);
        fermo_ = true;
        lavoro_.wakeOne();
    }
    wait();
}

void ScrittoreRegistro::run() {
    DatabaseRegistro db(
        cartelle_.locale,
        QStringLiteral("registro-scrittore-%1").arg(QString::fromLatin1(corsa_.toHex())));
    const bool condivisa = cartelle_.condivisa();
    QList<Voce> inMemoria;
    bool importati = false;
    bool copiaDovuta = condivisa; // what earlier runs left, at once
    QDeadlineTimer prossimaCopia(QDeadlineTimer::Forever);
    QDeadlineTimer prossimoDatabase(0);
    for (;;) {
        qint64 prese = 0;
        bool fermo = false;
        {
            QMutexLocker lock(&mutex_);
            while (coda_.isEmpty() && !fermo_) {
                QDeadlineTimer scadenza(QDeadlineTimer::Forever);
                if (!inMemoria.isEmpty() || !importati)
                    scadenza = prossimoDatabase;
                if (condivisa && importati && inMemoria.isEmpty())
                    scadenza = primo(scadenza, copiaDovuta ? QDeadlineTimer(0) : prossimaCopia);
                if (scadenza.hasExpired() || !lavoro_.wait(&mutex_, scadenza))
                    break;
            }
            inMemoria += std::exchange(coda_, {});
            prese = consegnate_;
            fermo = fermo_;
        }
        const bool nuove = !inMemoria.isEmpty();
        if (db.apri() && !importati)
            importati = importa(db, cartelle_.locale);
        while (!inMemoria.isEmpty() &&
               db.aggiungi(corsa_, sigillo_, inMemoria.front().n, inMemoria.front().cifrato))
            inMemoria.removeFirst();
        if (!inMemoria.isEmpty() || !importati)
            prossimoDatabase = QDeadlineTimer(attesaDatabase);
        bool copiaProvata = !condivisa;
        if (condivisa && db.aperto() && importati &&
            (nuove || copiaDovuta || prossimaCopia.hasExpired())) {
            copiaProvata = true;
            copiaDovuta = false;
            if (CopiaLaboratorio::copia(db, cartelle_.registro)) {
                prossimaCopia = QDeadlineTimer(QDeadlineTimer::Forever);
                if (db.attesaDal())
                    db.impostaAttesa(std::nullopt);
            } else {
                prossimaCopia = QDeadlineTimer(attesaCopia);
                if (!db.attesaDal())
                    db.impostaAttesa(orologio_.utcMilliseconds());
            }
        }
        {
            QMutexLocker lock(&mutex_);
            registrate_ = prese - inMemoria.size();
            if (copiaProvata && inMemoria.isEmpty())
                provateCopie_ = prese;
            iniziato_ = iniziato_ || (importati && copiaProvata);
            fatto_.wakeAll();
        }
        if (fermo)
            break;
    }
}
