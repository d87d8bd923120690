// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoAlunno.h"

#include "FoglioRegistro.h"
#include "TestiRegistro.h"

#include <QPainter>

namespace {

constexpr int altezzaRiga = 55;
constexpr int altezzaGrafico = 620;
const QColor fondoTestata(0xE8, 0xF1, 0xFA);
const QColor barra(0x2E, 0x6D, 0xB4);

// The columns of a table: where each starts, as a share of the width.
struct Colonne {
    QList<double> inizi; // from 0; the last ends at the right edge
    QRect di(const FoglioRegistro& f, int i, int y) const {
        const int da = qRound(inizi[i] * f.larghezza());
        const int a = i + 1 < inizi.size() ? qRound(inizi[i + 1] * f.larghezza()) : f.larghezza();
        return QRect(da, y, a - da, altezzaRiga).adjusted(12, 0, -12, 0);
    }
};

const Colonne colonne{{0, 0.52, 0.66, 0.86}};

void riga(FoglioRegistro& f, const QStringList& celle, bool testa = false) {
    f.spazio(altezzaRiga);
    if (testa)
        f.riquadro(QRect(0, f.y(), f.larghezza(), altezzaRiga), fondoTestata);
    for (qsizetype i = 0; i < celle.size(); ++i)
        f.testo(colonne.di(f, int(i), f.y()), celle[i],
                (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, 9, testa);
    f.avanza(altezzaRiga);
}

QStringList cifre(const QString& prima, const ConteggiRisposte& c) {
    return {prima, QString::number(c.risposte), TestiRegistro::percentuale(c.quota()),
            TestiRegistro::giorno(c.ultimoGiorno())};
}

const QStringList testaTabella{QStringLiteral("Esercizio"), QStringLiteral("Risposte"),
                               QStringLiteral("Giuste al 1° tentativo"),
                               QStringLiteral("Ultimo giorno")};

// A section's title, kept on the page of its table's head and first row.
void sezione(FoglioRegistro& f, const QString& titolo, QStringList testa) {
    f.spazio(80 + 2 * altezzaRiga);
    f.avanza(20);
    f.testo(QRect(0, f.y(), f.larghezza(), 60), titolo, Qt::AlignLeft | Qt::AlignVCenter, 11, true);
    f.avanza(60);
    riga(f, testa, true);
}

} // namespace

namespace DisegnoAlunno {

void grafico(QPainter& p, const QRect& dove, const QList<PaginaAlunno::Punto>& punti) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(25);
    p.setFont(font);
    const QRect barre = dove.adjusted(110, 20, -10, -70);
    for (int q = 0; q <= 100; q += 25) {
        const int y = barre.bottom() - barre.height() * q / 100;
        p.setPen(QPen(q == 0 ? Qt::black : Qt::lightGray, 3));
        p.drawLine(barre.left(), y, barre.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(dove.left(), y - 20, 95, 40), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(q));
    }
    if (punti.isEmpty())
        return;
    const double passo = double(barre.width()) / punti.size();
    // Under a crowd of bars, every few weeks are named.
    const int ogni = std::max(1, int(std::ceil(90.0 / passo)));
    for (qsizetype i = 0; i < punti.size(); ++i) {
        const int x = barre.left() + qRound(i * passo);
        const int h = qRound(barre.height() * punti[i].percentuale / 100);
        p.fillRect(QRect(x + qRound(passo * 0.15), barre.bottom() - h, qRound(passo * 0.7), h),
                   barra);
        if (i % ogni == 0)
            p.drawText(QRect(x - 60, barre.bottom() + 10, qRound(passo) + 120, 50),
                       Qt::AlignHCenter | Qt::AlignTop,
                       punti[i].lunedi.toString(QStringLiteral("dd/MM")));
    }
}

void disegna(FoglioRegistro& f, const PaginaAlunno& pagina, const QString& classe) {
    const QString sotto = TestiRegistro::conClasse(
        classe, QStringLiteral("Risposte %1").arg(pagina.intervallo.descrizione()));
    f.setTestata([&](FoglioRegistro& foglio) { return foglio.titoli(pagina.alunno, sotto); });
    const ConteggiRisposte& t = pagina.tutti;
    f.testo(
        QRect(0, f.y(), f.larghezza(), 60),
        QStringLiteral("%1 risposte; giuste al primo tentativo: %2; ultimo giorno: %3")
            .arg(t.risposte)
            .arg(TestiRegistro::percentuale(t.quota()), TestiRegistro::giorno(t.ultimoGiorno())),
        Qt::AlignLeft | Qt::AlignVCenter, 10);
    f.avanza(80);

    f.testo(QRect(0, f.y(), f.larghezza(), 60),
            QStringLiteral("Giuste al primo tentativo, settimana per settimana (dal lunedì)"),
            Qt::AlignLeft | Qt::AlignVCenter, 11, true);
    f.avanza(60);
    const QList<PaginaAlunno::Punto> punti = pagina.serie();
    if (QPainter* p = f.painter()) {
        grafico(*p, QRect(0, f.y(), f.larghezza(), altezzaGrafico), punti);
        if (punti.isEmpty())
            f.testo(QRect(0, f.y(), f.larghezza(), altezzaGrafico),
                    QStringLiteral("Nessun primo tentativo nel periodo."), Qt::AlignCenter, 10);
    }
    f.avanza(altezzaGrafico);

    sezione(f, QStringLiteral("Esercizio per esercizio"), testaTabella);
    for (const PaginaAlunno::Esercizio& e : pagina.esercizi)
        riga(f, cifre(QStringLiteral("%1: %2").arg(TestiRegistro::breve(e.numero), e.titolo),
                      e.tutti));
    if (pagina.esercizi.isEmpty())
        riga(f, {QStringLiteral("Nessuna risposta nel periodo.")});

    QStringList testaSettimane = testaTabella;
    testaSettimane[0] = QStringLiteral("Settimana");
    sezione(f, QStringLiteral("Settimana per settimana"), testaSettimane);
    for (const PaginaAlunno::Settimana& s : pagina.settimane)
        riga(f, cifre(s.nome(), s.conteggi));

    for (const PaginaAlunno::Esercizio& e : pagina.esercizi) {
        sezione(f, QStringLiteral("%1: %2").arg(TestiRegistro::breve(e.numero), e.titolo),
                testaSettimane);
        for (const PaginaAlunno::Settimana& s : e.settimane)
            riga(f, cifre(s.nome(), s.conteggi));
    }
}

} // namespace DisegnoAlunno
