// SPDX-License-Identifier: GPL-3.0-or-later
#include "DescrizioneImpostazioni.h"

#include "TestoIni.h"

namespace {

QString origine(const ChiaviImpostazioni::Chiave& chiave, const ImpostazioniLette& lette) {
    const ImpostazioniLette::Origine da = lette.origini.value(chiave.percorso());
    QString testo = da.bloccata         ? QStringLiteral("bloccato dalla scuola: ") + da.file
                    : da.file.isEmpty() ? QStringLiteral("predefinito")
                                        : da.file;
    if (ChiaviImpostazioni::testo(chiave, lette.valori).isEmpty() && chiave.seVuoto)
        testo += QStringLiteral(" (vuoto: %1)").arg(QString::fromUtf8(chiave.seVuoto));
    return testo;
}

} // namespace

QString descriviImpostazioni(const ImpostazioniLette& lette) {
    QList<TestoIni::Riga> righe;
    for (const ChiaviImpostazioni::Chiave& chiave : ChiaviImpostazioni::tutte())
        righe << TestoIni::Riga{&chiave, origine(chiave, lette)};
    QString testo = TestoIni::commento(QStringLiteral("Le impostazioni di Vortelia in vigore, e "
                                                      "da dove viene ciascuna")) +
                    TestoIni::righe(lette.valori, righe);
    testo += TestoIni::commento(lette.avvisi.isEmpty() ? QStringLiteral("Nessun avviso.")
                                                       : QStringLiteral("Avvisi:"));
    for (const QString& avviso : lette.avvisi)
        testo += TestoIni::commento(avviso);
    return testo;
}
