// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Annotazione.h"
#include "CartelleRegistro.h"
#include "ChiaviPubbliche.h"
#include "FileVoci.h"
#include "SigilloCorsa.h"

#include <QStringList>

#include <memory>

class Clock;
class ScrittoreRegistro;

// The class record as the pupils' program writes it: each entry sealed for
// the teacher as it comes, appended to this run's journal, and stored by a
// thread of its own. The program can add entries but read none back.
class RegistroClasse : public Annotazione {
public:
    // Nothing, and *avviso (one Italian line), when the record cannot be
    // used at all: no local folder, keys that are not keys. Brings in the
    // journals that killed runs left and starts the writing thread.
    static std::unique_ptr<RegistroClasse> apri(const CartelleRegistro& cartelle,
                                                const ChiaviPubbliche& chiavi,
                                                const Clock& orologio, QString* avviso);
    ~RegistroClasse() override; // stores what it can for a short while, then stops

    const QStringList& nomi() const { return nomi_; }

    // Seals, appends to the journal in one write, hands to the thread.
    // Never waits on a disk, never shows anything.
    void annota(const VoceRegistro& voce) override;

    // Until every entry handed so far is in the database (and, with a lab's
    // folder, copied or given up on for now); false on timeout.
    bool attendi(int millisecondi);

private:
    RegistroClasse(const CartelleRegistro& cartelle, const ChiaviPubbliche& chiavi,
                   SigilloCorsa sigillo, const Clock& orologio);
    void creaGiornale();

    const CartelleRegistro cartelle_;
    const Clock& orologio_;
    const QStringList nomi_;
    const SigilloCorsa sigillo_;
    FileVoci::Giornale giornale_;
    bool giornaleCreato_ = false;
    qint64 prossimoGiornale_ = 0; // steady ms of the next try at one
    std::unique_ptr<ScrittoreRegistro> scrittore_;
    quint64 prossimo_ = 0;
};
