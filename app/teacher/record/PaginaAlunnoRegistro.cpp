// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaAlunnoRegistro.h"

#include "LayoutRegistro.h"
#include "TabelleRegistro.h"

#include "common/Controlli.h"
#include "common/reports/PdfRegistro.h"
#include "common/reports/TestiRegistro.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

namespace {

using namespace TabelleRegistro;

QStringList cifre(const QString& prima, const ConteggiRisposte& c) {
    return {prima, QString::number(c.risposte), TestiRegistro::percentuale(c.quota()),
            TestiRegistro::giorno(c.ultimoGiorno())};
}

const QStringList teste{QStringLiteral("Esercizio"), QStringLiteral("Risposte"),
                        QStringLiteral("Giuste al 1° tentativo"), QStringLiteral("Ultimo giorno")};

QChartView* grafico(QWidget* parent) {
    auto* serie = new QBarSeries;
    auto* barre = new QBarSet(QStringLiteral("Giuste al primo tentativo"));
    barre->setColor(QColor(0x2E, 0x6D, 0xB4));
    serie->append(barre);
    auto* chart = new QChart;
    chart->addSeries(serie);
    chart->setTitleFont(Controlli::arial(10, true));
    chart->legend()->hide();
    auto* x = new QBarCategoryAxis;
    x->setLabelsFont(Controlli::arial(7, false));
    x->setLabelsAngle(-90);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTickCount(5);
    y->setLabelFormat(QStringLiteral("%d%%"));
    y->setLabelsFont(Controlli::arial(8, false));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    serie->attachAxis(x);
    serie->attachAxis(y);
    auto* vista = new QChartView(chart, parent);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setAccessibleName(QStringLiteral("Grafico: giuste al primo tentativo per settimana"));
    return vista;
}

// The bars of `punti`, the weeks' Mondays below, and the same in words for
// a screen reader.
void mostra(QChartView& vista, const QList<PaginaAlunno::Punto>& punti, const QString& di) {
    auto* serie = static_cast<QBarSeries*>(vista.chart()->series().first());
    QBarSet* barre = serie->barSets().first();
    auto* x = static_cast<QBarCategoryAxis*>(vista.chart()->axes(Qt::Horizontal).first());
    barre->remove(0, barre->count());
    x->clear();
    QStringList settimane, detto;
    for (const PaginaAlunno::Punto& p : punti) {
        *barre << p.percentuale;
        settimane << p.lunedi.toString(QStringLiteral("dd/MM"));
        detto << QStringLiteral("settimana dal %1: %2%")
                     .arg(TestiRegistro::giorno(p.lunedi))
                     .arg(qRound(p.percentuale));
    }
    x->append(settimane);
    vista.chart()->setTitle(QStringLiteral("Giuste al primo tentativo, %1").arg(di));
    vista.setAccessibleDescription(punti.isEmpty()
                                       ? QStringLiteral("Nessun primo tentativo nel periodo.")
                                       : detto.join(QStringLiteral("; ")));
}

} // namespace

PaginaAlunnoRegistro::PaginaAlunnoRegistro(PaginaAlunno pagina, QString classe, QWidget* parent)
    : ColouredArea(layoutAlunnoRegistro.pagina, parent), pagina_(std::move(pagina)),
      classe_(std::move(classe)), sceltaFile_(&TabelleRegistro::sceltaFile) {
    const LayoutAlunnoRegistro& l = layoutAlunnoRegistro;
    setAccessibleName(QStringLiteral("Registro di %1").arg(pagina_.alunno));
    setColour(sfondoPagina);
    setFont(Controlli::arial(10, false));
    const auto etichetta = [this](const QString& testo, QRect dove, const QFont& font) {
        return TabelleRegistro::etichetta(this, testo, dove, font);
    };
    Titolo = etichetta(pagina_.alunno, l.titolo, Controlli::arial(18));
    const ConteggiRisposte& t = pagina_.tutti;
    Riepilogo = etichetta(
        QStringLiteral("Risposte %1: %2; giuste al primo tentativo: %3; ultimo giorno: %4")
            .arg(pagina_.intervallo.descrizione())
            .arg(t.risposte)
            .arg(TestiRegistro::percentuale(t.quota()), TestiRegistro::giorno(t.ultimoGiorno())),
        l.riepilogo, Controlli::arial(11, false));
    Riepilogo->setAccessibleName(Riepilogo->text());
    etichetta(QStringLiteral("Esercizio per esercizio"), l.titolettoEsercizi, Controlli::arial(11));
    Esercizi = tabella(this, QStringLiteral("Esercizio per esercizio"), teste, l.esercizi);
    riga(*Esercizi, 0, cifre(QStringLiteral("Tutti gli esercizi"), t));
    for (qsizetype i = 0; i < pagina_.esercizi.size(); ++i) {
        const PaginaAlunno::Esercizio& e = pagina_.esercizi[i];
        riga(
            *Esercizi, int(i) + 1,
            cifre(QStringLiteral("%1: %2").arg(TestiRegistro::breve(e.numero), e.titolo), e.tutti));
    }
    auto* titolettoSettimane = etichetta(QStringLiteral("Settimana per settimana"),
                                         l.titolettoSettimane, Controlli::arial(11));
    QStringList testeSettimane = teste;
    testeSettimane[0] = QStringLiteral("Settimana");
    Settimane =
        tabella(this, QStringLiteral("Settimana per settimana"), testeSettimane, l.settimane);
    titolettoSettimane->setBuddy(Settimane);
    Grafico = grafico(this);
    Grafico->setGeometry(l.grafico);
    BottoneStampa = bottone(this, QStringLiteral("Stampa (PDF)…"), l.stampa);
    BottoneIndietro = bottone(this, QStringLiteral("Indietro"), l.indietro);
    Esito = etichetta(QString(), l.esito, Controlli::arial(10, false));
    Esito->setWordWrap(true);
    Esito->setAccessibleName(QStringLiteral("Esito"));

    connect(Esercizi, &QTableWidget::currentCellChanged, this,
            [this](int r) { mostraSettimane(r); });
    connect(BottoneStampa, &QPushButton::clicked, this, [this] { stampa(); });
    connect(BottoneIndietro, &QPushButton::clicked, this, &PaginaAlunnoRegistro::indietro);
    Esercizi->setCurrentCell(0, 0);
    mostraSettimane(0);
    setTabOrder(Esercizi, Settimane);
    setTabOrder(Settimane, Grafico);
    setTabOrder(Grafico, BottoneStampa);
    setTabOrder(BottoneStampa, BottoneIndietro);
    setFocusProxy(Esercizi);
}

void PaginaAlunnoRegistro::mostraSettimane(int riga) {
    const bool tutti = riga <= 0 || riga > pagina_.esercizi.size();
    const QList<PaginaAlunno::Settimana>& settimane =
        tutti ? pagina_.settimane : pagina_.esercizi[riga - 1].settimane;
    Settimane->setRowCount(0);
    for (qsizetype i = 0; i < settimane.size(); ++i)
        TabelleRegistro::riga(*Settimane, int(i),
                              cifre(settimane[i].nome(), settimane[i].conteggi));
    const int numero = tutti ? 0 : pagina_.esercizi[riga - 1].numero;
    const QString di = tutti ? QStringLiteral("tutti gli esercizi") : TestiRegistro::breve(numero);
    Settimane->setAccessibleDescription(di);
    mostra(*Grafico, pagina_.serie(numero), di);
}

bool PaginaAlunnoRegistro::stampa() {
    const QString file = sceltaFile_(this, QStringLiteral("%1.pdf").arg(pagina_.alunno));
    if (file.isEmpty())
        return false;
    return salva(
        *Esito, file, [this](QIODevice& pdf) { return PdfRegistro::alunno(pdf, pagina_, classe_); },
        QStringLiteral("Pagina di %1 salvata").arg(pagina_.alunno));
}

void PaginaAlunnoRegistro::keyPressEvent(QKeyEvent* event) {
    // Backspace goes back, as in a browser; Esc is the area's own.
    if (event->key() == Qt::Key_Backspace) {
        emit indietro();
        return;
    }
    ColouredArea::keyPressEvent(event);
}
