// SPDX-License-Identifier: GPL-3.0-or-later
#include "RiepilogoClasse.h"

#include "common/FinestraId.h"

#include <QHash>

#include <algorithm>

RiepilogoClasse RiepilogoClasse::calcola(const QList<VoceRegistro>& voci, const QStringList& classe,
                                         const IntervalloDate& intervallo) {
    RiepilogoClasse r{intervallo, {}};
    QHash<QString, qsizetype> righe;
    righe.reserve(classe.size() * 2);
    for (const QString& nome : classe)
        if (!righe.contains(nome)) {
            righe.insert(nome, r.alunni.size());
            r.alunni.append(Alunno{nome, {}, {}, {}, {}});
        }
    const qsizetype elencati = r.alunni.size();
    for (const VoceRegistro& v : voci) {
        if (v.tipo != VoceRegistro::Tipo::Risposta || !intervallo.contiene(v.quando))
            continue;
        const int numero = numeroDaNome(v.finestra);
        if (numero == 0)
            continue;
        auto riga = righe.constFind(v.alunno);
        if (riga == righe.constEnd()) {
            riga = righe.insert(v.alunno, r.alunni.size());
            r.alunni.append(Alunno{v.alunno, {}, {}, {}, {}});
        }
        r.alunni[*riga].esercizi[numero - 1].aggiungi(v);
    }
    std::sort(r.alunni.begin() + elencati, r.alunni.end(), [](const Alunno& a, const Alunno& b) {
        return a.nome.localeAwareCompare(b.nome) < 0;
    });
    // The days are found once per cell, not once per entry.
    for (Alunno& a : r.alunni) {
        for (int e = 0; e < esercizi; ++e) {
            a.tutti.aggiungi(a.esercizi[e]);
            a.ultimiGiorni[e] = a.esercizi[e].ultimoGiorno();
        }
        a.ultimoGiorno = a.tutti.ultimoGiorno();
    }
    return r;
}
