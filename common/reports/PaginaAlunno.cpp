// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaAlunno.h"

#include "common/FinestraId.h"

#include <QMap>

#include <array>

namespace {

constexpr int finestre = 15; // FormEs1 .. FormEs15
using PerEsercizio = std::array<ConteggiRisposte, finestre>;

} // namespace

QString PaginaAlunno::Settimana::nome() const {
    return QStringLiteral("settimana %1, dal %2")
        .arg(numero)
        .arg(lunedi.toString(QStringLiteral("dd/MM/yyyy")));
}

PaginaAlunno PaginaAlunno::calcola(const QList<VoceRegistro>& voci, const QString& alunno,
                                   const IntervalloDate& intervallo) {
    // Weeks by year * 100 + number, so that the map keeps them in order.
    QMap<int, PerEsercizio> perSettimana;
    GiornoLocale giorni;
    QDate giornoPrima;
    QMap<int, PerEsercizio>::iterator settimana;
    for (const VoceRegistro& v : voci) {
        if (v.tipo != VoceRegistro::Tipo::Risposta || !intervallo.contiene(v.quando) ||
            v.alunno != alunno)
            continue;
        const int numero = numeroDaNome(v.finestra);
        if (numero == 0)
            continue;
        const QDate giorno = giorni.di(v.quando);
        if (giorno != giornoPrima) {
            int anno = 0;
            const int n = giorno.weekNumber(&anno);
            const int chiave = anno * 100 + n;
            settimana = perSettimana.find(chiave);
            if (settimana == perSettimana.end())
                settimana = perSettimana.insert(chiave, PerEsercizio{});
            giornoPrima = giorno;
        }
        (*settimana)[numero - 1].aggiungi(v);
    }

    PaginaAlunno p{alunno, intervallo, {}, {}, {}};
    std::array<Esercizio, finestre> tuttiEsercizi;
    for (int e = 0; e < finestre; ++e)
        tuttiEsercizi[e] = {e + 1, QString::fromUtf8(titoloEsercizio(formEs(e + 1))), {}, {}};
    for (auto s = perSettimana.cbegin(); s != perSettimana.cend(); ++s) {
        const int anno = s.key() / 100;
        const int numero = s.key() % 100;
        // The Monday of ISO week 1 is the one of the week that holds 4 January.
        const QDate quattro(anno, 1, 4);
        const QDate lunedi = quattro.addDays(1 - quattro.dayOfWeek() + 7 * (numero - 1));
        Settimana insieme{anno, numero, lunedi, {}};
        for (int e = 0; e < finestre; ++e) {
            const ConteggiRisposte& c = s.value()[e];
            if (c.risposte == 0)
                continue;
            tuttiEsercizi[e].settimane << Settimana{anno, numero, lunedi, c};
            tuttiEsercizi[e].tutti.aggiungi(c);
            insieme.conteggi.aggiungi(c);
        }
        p.settimane << insieme;
        p.tutti.aggiungi(insieme.conteggi);
    }
    for (Esercizio& e : tuttiEsercizi)
        if (e.tutti.risposte > 0)
            p.esercizi << std::move(e);
    return p;
}

QList<PaginaAlunno::Punto> PaginaAlunno::serie(int esercizio) const {
    const QList<Settimana>* scelte = &settimane;
    for (const Esercizio& e : esercizi)
        if (e.numero == esercizio)
            scelte = &e.settimane;
    if (esercizio != 0 && scelte == &settimane)
        return {};
    QList<Punto> punti;
    for (const Settimana& s : *scelte)
        if (const auto quota = s.conteggi.quota())
            punti << Punto{s.lunedi, *quota * 100, s.conteggi.primi};
    return punti;
}
