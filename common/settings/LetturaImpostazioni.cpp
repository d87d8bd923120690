// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaImpostazioni.h"

#include "ChiaviImpostazioni.h"
#include "FileImpostazioni.h"

#include <QStandardPaths>

using ChiaviImpostazioni::Chiave;
using FileImpostazioni::Letto;
using FileImpostazioni::Voce;

namespace {

const QString nomeFile = QStringLiteral("/Vortelia/Vortelia.conf");

struct Candidata {
    const Letto* file;
    const Voce* voce;
};

// The entries of the key, in the order that decides: the school's locks;
// the teacher's, unless the school locks the key; the school's other values.
QList<Candidata> inOrdine(const Chiave& chiave, const QList<Letto>& scuola,
                          const Letto* insegnante) {
    QList<Candidata> blocchi, maestra, altre;
    for (const Letto& file : scuola)
        for (const Voce& voce : file.voci)
            if (voce.chiave == &chiave)
                (voce.bloccata ? blocchi : altre) << Candidata{&file, &voce};
    if (insegnante)
        for (const Voce& voce : insegnante->voci)
            if (voce.chiave == &chiave)
                maestra << Candidata{insegnante, &voce};
    return blocchi.isEmpty() ? maestra + altre : blocchi + altre;
}

QString scritta(const Voce& voce) {
    const QString nome = QLatin1String(voce.chiave->nome) +
                         (voce.bloccata ? QString(FileImpostazioni::blocco) : QString());
    return FileImpostazioni::voce(QLatin1String(voce.chiave->gruppo), nome, voce.letto);
}

ImpostazioniLette risolvi(const QList<Letto>& scuola, const Letto* insegnante) {
    ImpostazioniLette lette;
    if (insegnante)
        lette.avvisi << insegnante->avvisi;
    for (const Letto& file : scuola)
        lette.avvisi << file.avvisi;
    for (const Chiave& chiave : ChiaviImpostazioni::tutte()) {
        const QList<Candidata> ordine = inOrdine(chiave, scuola, insegnante);
        ImpostazioniLette::Origine origine;
        origine.bloccata = !ordine.isEmpty() && ordine.constFirst().voce->bloccata;
        QList<std::pair<Candidata, QString>> problemi;
        bool deciso = false;
        for (const Candidata& c : ordine) {
            Impostazioni scarto; // the entries after the one that holds are only checked
            const auto esito = ChiaviImpostazioni::interpreta(chiave, c.voce->letto,
                                                              deciso ? scarto : lette.valori);
            if (esito.letto && !deciso) {
                deciso = true;
                origine.file = c.file->percorso;
            }
            if (!esito.problema.isEmpty())
                problemi.append({c, esito.problema});
        }
        if (origine.bloccata) {
            // A lock holds even when its value cannot be read.
            if (origine.file.isEmpty())
                origine.file = ordine.constFirst().file->percorso;
            if (insegnante)
                for (const Voce& voce : insegnante->voci)
                    if (voce.chiave == &chiave)
                        problemi.append({Candidata{insegnante, &voce},
                                         QStringLiteral("non conta: la scuola blocca la chiave")});
        }
        for (const auto& [c, problema] : problemi)
            lette.avvisi << FileImpostazioni::avviso(
                c.file->percorso, QStringLiteral("%1 %2: vale %3")
                                      .arg(scritta(*c.voce), problema,
                                           ChiaviImpostazioni::comeVale(chiave, lette.valori)));
        lette.origini.insert(chiave.percorso(), origine);
    }
    return lette;
}

} // namespace

FontiImpostazioni FontiImpostazioni::delSistema() {
    QString casa = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QStringList cartelle = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    cartelle.removeAll(casa);
    // No home and no configuration folder set: no file of the teacher's.
    if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        casa.clear();
    FontiImpostazioni fonti{.insegnante = casa.isEmpty() ? QString() : casa + nomeFile,
                            .scuola = {}};
    for (const QString& cartella : cartelle)
        fonti.scuola << cartella + nomeFile;
    return fonti;
}

ImpostazioniLette leggiImpostazioni(const FontiImpostazioni& fonti) {
    QList<Letto> scuola;
    for (const QString& file : fonti.scuola)
        scuola << FileImpostazioni::leggi(file, true);
    const Letto insegnante =
        fonti.insegnante.isEmpty() ? Letto{} : FileImpostazioni::leggi(fonti.insegnante, false);
    ImpostazioniLette lette = risolvi(scuola, fonti.insegnante.isEmpty() ? nullptr : &insegnante);
    lette.dellaScuola = risolvi(scuola, nullptr).valori;
    return lette;
}
