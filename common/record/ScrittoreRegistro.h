// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CartelleRegistro.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

class Clock;

// The thread that stores sealed entries: in this PC's database, one
// transaction each, and, with a lab's folder, in copies there. Whatever
// fails (a full or read-only disk, a share that is away) is tried again
// later; meanwhile the entries wait in memory, and the journal has them.
class ScrittoreRegistro : public QThread {
public:
    struct Voce {
        quint64 n = 0;
        QByteArray cifrato;
    };

    ScrittoreRegistro(const CartelleRegistro& cartelle, QByteArray corsa, QByteArray sigillo,
                      const Clock& orologio);
    ~ScrittoreRegistro() override; // stops at once

    // From any thread; returns at once.
    void consegna(Voce voce);
    // Until what was handed so far is stored (and copied or given up on for
    // now); false on timeout.
    bool attendi(int millisecondi);
    // Every entry handed so far is in the database.
    bool tuttoRegistrato();
    void ferma();

    // How long a copy that failed waits before the next try; a new entry
    // tries at once.
    static constexpr int attesaCopia = 5000;
    // How long the database waits before it is opened again.
    static constexpr int attesaDatabase = 250;

protected:
    void run() override;

private:
    bool fatto() const;

    const CartelleRegistro cartelle_;
    const QByteArray corsa_;
    const QByteArray sigillo_;
    const Clock& orologio_;

    QMutex mutex_;
    QWaitCondition lavoro_;
    QWaitCondition fatto_;
    QList<Voce> coda_;
    bool fermo_ = false;
    bool iniziato_ = false;
    qint64 consegnate_ = 0;
    qint64 registrate_ = 0;
    qint64 provateCopie_ = 0; // entries handed before the last copy tried
};
