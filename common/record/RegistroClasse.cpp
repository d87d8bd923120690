// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroClasse.h"

#include "FormatoVoce.h"
#include "ScrittoreRegistro.h"

#include "common/platform/services/Clock.h"

#include <sodium.h>

std::unique_ptr<RegistroClasse> RegistroClasse::apri(const CartelleRegistro& cartelle,
                                                     const ChiaviPubbliche& chiavi,
                                                     const Clock& orologio, QString* avviso) {
    if (cartelle.locale.trimmed().isEmpty()) {
        if (avviso)
            *avviso = QStringLiteral("Il registro della classe è spento: questo PC non ha una "
                                     "cartella dove scriverlo.");
        return nullptr;
    }
    std::optional<SigilloCorsa> sigillo = SigilloCorsa::nuovo(chiavi.pubblica);
    if (!sigillo) {
        if (avviso)
            *avviso = QStringLiteral("Il registro della classe è spento: la chiave "
                                     "dell'insegnante non è valida.");
        return nullptr;
    }
    return std::unique_ptr<RegistroClasse>(
        new RegistroClasse(cartelle, chiavi, std::move(*sigillo), orologio));
}

RegistroClasse::RegistroClasse(const CartelleRegistro& cartelle, const ChiaviPubbliche& chiavi,
                               SigilloCorsa sigillo, const Clock& orologio)
    : cartelle_(cartelle), orologio_(orologio), nomi_(chiavi.classe), sigillo_(std::move(sigillo)),
      scrittore_(std::make_unique<ScrittoreRegistro>(cartelle, sigillo_.corsa(), sigillo_.sigillo(),
                                                     orologio)) {
    creaGiornale();
    scrittore_->start();
}

RegistroClasse::~RegistroClasse() {
    scrittore_->attendi(1000);
    scrittore_->ferma();
    // The journal goes once the database holds all it holds; else the next
    // run brings it in.
    if (scrittore_->tuttoRegistrato())
        giornale_.rimuovi();
}

void RegistroClasse::annota(const VoceRegistro& voce) {
    VoceRegistro v = voce;
    if (v.id.isEmpty()) {
        v.id.resize(16);
        randombytes_buf(v.id.data(), size_t(v.id.size()));
    }
    const quint64 n = prossimo_++;
    QByteArray cifrato = sigillo_.sigilla(n, FormatoVoce::scrivi(v));
    // A local folder that took no journal at the start may take one now.
    if (!giornaleCreato_ && orologio_.steadyMilliseconds() >= prossimoGiornale_)
        creaGiornale();
    giornale_.aggiungi(FileVoci::record(n, cifrato));
    scrittore_->consegna({n, std::move(cifrato)});
}

void RegistroClasse::creaGiornale() {
    giornaleCreato_ = giornale_.crea(cartelle_.locale, sigillo_.corsa(), sigillo_.sigillo());
    prossimoGiornale_ = orologio_.steadyMilliseconds() + 5000;
}

bool RegistroClasse::attendi(int millisecondi) {
    return scrittore_->attendi(millisecondi);
}
