// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfRegistro.h"

#include "DisegnoAlunno.h"
#include "FoglioRegistro.h"
#include "TestiRegistro.h"

#include "common/FinestraId.h"
#include "common/PdfRiproducibile.h"

#include <QBuffer>
#include <QPdfWriter>

namespace {

constexpr int margine = 150; // tenths of a millimetre, on every side
const QSize orizzontale(2970 - 2 * margine, 2100 - 2 * margine);
const QSize verticale(2100 - 2 * margine, 2970 - 2 * margine);
const QColor fondoTestata(0xE8, 0xF1, 0xFA);
const QColor fondoRiga(0xF4, 0xF4, 0xF4);

using Disegno = std::function<void(FoglioRegistro&)>;

// Counts the pages, then draws them for the footer's page numbers.
QString scrivi(QIODevice& dove, const QString& titolo, QPageLayout::Orientation verso,
               const Disegno& disegno) {
    const QSize area = verso == QPageLayout::Landscape ? orizzontale : verticale;
    int pagine = 0;
    {
        FoglioRegistro conta(nullptr, area, 0, titolo);
        disegno(conta);
        pagine = conta.pagine();
    }
    QBuffer documento;
    documento.open(QIODevice::WriteOnly);
    {
        QPdfWriter scrittore(&documento);
        PdfRiproducibile::imposta(scrittore, titolo, margine, verso);
        FoglioRegistro foglio(&scrittore, area, pagine, titolo);
        disegno(foglio);
    }
    const QByteArray byte = PdfRiproducibile::senzaData(documento.data());
    if (!dove.isWritable())
        return QStringLiteral("Il file non è aperto per scriverci.");
    if (dove.write(byte) != byte.size())
        return QStringLiteral("Il file non si è potuto scrivere tutto (il disco è pieno?): %1.")
            .arg(dove.errorString());
    return {};
}

// The grid: the name, then the fifteen exercises and all of them.
constexpr int colonnaNome = 430;
constexpr int altezzaTesta = 80;
constexpr int altezzaRiga = 70;

QRect cella(const FoglioRegistro& f, int colonna, int y, int altezza) {
    const int larga = (f.larghezza() - colonnaNome) / (RiepilogoClasse::esercizi + 1);
    if (colonna == 0)
        return QRect(0, y, colonnaNome, altezza);
    return QRect(colonnaNome + (colonna - 1) * larga, y, larga, altezza);
}

void rigaGriglia(FoglioRegistro& f, const RiepilogoClasse::Alunno& a, bool pari) {
    const int y = f.y();
    if (pari)
        f.riquadro(QRect(0, y, f.larghezza(), altezzaRiga), fondoRiga);
    f.testo(cella(f, 0, y, altezzaRiga).adjusted(15, 0, -10, 0), a.nome,
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, 9);
    for (int c = 1; c <= RiepilogoClasse::esercizi + 1; ++c) {
        const bool tutti = c > RiepilogoClasse::esercizi;
        const ConteggiRisposte& n = tutti ? a.tutti : a.esercizi[c - 1];
        const QDate ultimo = tutti ? a.ultimoGiorno : a.ultimiGiorni[c - 1];
        const QRect r = cella(f, c, y, altezzaRiga);
        if (n.risposte == 0) {
            f.testo(r, TestiRegistro::nessuno, Qt::AlignCenter, 8, false, Qt::gray);
            continue;
        }
        f.testo(
            r.adjusted(0, 4, 0, -altezzaRiga / 2),
            QStringLiteral("%1 · %2").arg(n.risposte).arg(TestiRegistro::percentuale(n.quota())),
            Qt::AlignCenter, 8, tutti);
        f.testo(r.adjusted(0, altezzaRiga / 2, 0, -4), ultimo.toString(QStringLiteral("dd/MM")),
                Qt::AlignCenter, 7, false, Qt::darkGray);
    }
    f.avanza(altezzaRiga);
}

void legenda(FoglioRegistro& f) {
    constexpr int riga = 40;
    constexpr int colonne = 3;
    constexpr int righe = (RiepilogoClasse::esercizi + colonne - 1) / colonne;
    if (!f.spazio(80 + riga * (righe + 1)))
        return;
    f.avanza(40);
    f.testo(QRect(0, f.y(), f.larghezza(), riga),
            QStringLiteral("In ogni casella: risposte date · giuste al primo tentativo; sotto, "
                           "l'ultimo giorno."),
            Qt::AlignLeft | Qt::AlignVCenter, 8);
    f.avanza(riga);
    const int larga = f.larghezza() / colonne;
    for (int n = 1; n <= RiepilogoClasse::esercizi; ++n) {
        const int i = n - 1;
        const QRect dove((i / righe) * larga, f.y() + (i % righe) * riga, larga, riga);
        f.testo(dove,
                QStringLiteral("%1: %2").arg(TestiRegistro::breve(n),
                                             QString::fromUtf8(titoloEsercizio(formEs(n)))),
                Qt::AlignLeft | Qt::AlignVCenter, 8);
    }
    f.avanza(riga * righe);
}

void disegnaGriglia(FoglioRegistro& f, const RiepilogoClasse& r, const QString& classe) {
    const QString sotto = TestiRegistro::conClasse(
        classe, QStringLiteral("Risposte %1").arg(r.intervallo.descrizione()));
    f.setTestata([&](FoglioRegistro& foglio) {
        const int y = foglio.titoli(QStringLiteral("Registro della classe"), sotto);
        foglio.riquadro(QRect(0, y, foglio.larghezza(), altezzaTesta), fondoTestata);
        foglio.testo(cella(foglio, 0, y, altezzaTesta).adjusted(15, 0, 0, 0),
                     QStringLiteral("Alunno"), Qt::AlignLeft | Qt::AlignVCenter, 9, true);
        for (int c = 1; c <= RiepilogoClasse::esercizi + 1; ++c)
            foglio.testo(cella(foglio, c, y, altezzaTesta),
                         c > RiepilogoClasse::esercizi ? QStringLiteral("Tutti")
                                                       : TestiRegistro::breve(c),
                         Qt::AlignCenter, 8, true);
        return y + altezzaTesta;
    });
    for (qsizetype i = 0; i < r.alunni.size(); ++i) {
        f.spazio(altezzaRiga);
        rigaGriglia(f, r.alunni[i], i % 2 == 1);
    }
    if (r.alunni.isEmpty()) {
        f.testo(QRect(0, f.y() + 20, f.larghezza(), altezzaRiga),
                QStringLiteral("Nessun alunno nell'elenco della classe."),
                Qt::AlignLeft | Qt::AlignVCenter, 9);
        f.avanza(altezzaRiga + 20);
    }
    legenda(f);
}

} // namespace

namespace PdfRegistro {

QString griglia(QIODevice& dove, const RiepilogoClasse& riepilogo, const QString& classe) {
    return scrivi(dove, QStringLiteral("Registro della classe"), QPageLayout::Landscape,
                  [&](FoglioRegistro& f) { disegnaGriglia(f, riepilogo, classe); });
}

QString alunno(QIODevice& dove, const PaginaAlunno& pagina, const QString& classe) {
    return scrivi(dove, QStringLiteral("Registro di %1").arg(pagina.alunno), QPageLayout::Portrait,
                  [&](FoglioRegistro& f) { DisegnoAlunno::disegna(f, pagina, classe); });
}

} // namespace PdfRegistro
