// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaSchede.h"

#include "LayoutSchede.h"

#include "common/Controlli.h"
#include "common/FinestraId.h"
#include "common/class_figures/FigureClasse.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr QRgb sfondoPagina = 0xE8F1FA;

QLabel* etichetta(QWidget* parent, const QString& testo, QRect dove, const QFont& font) {
    return Controlli::etichetta(parent, testo, dove, font, sfondoPagina,
                                Qt::AlignLeft | Qt::AlignVCenter);
}

QPushButton* bottone(QWidget* parent, const QString& testo, QRect dove) {
    auto* b = new QPushButton(testo, parent);
    b->setGeometry(dove);
    b->setFont(Controlli::arial(11, false));
    return b;
}

} // namespace

FontiScheda PaginaSchede::fonti(const QString& cartellaViste, const QString& cartellaFigure) {
    FontiScheda f{QFileInfo(cartellaViste).absolutePath(), {}};
    const FigureClasse classe = FigureClasse::delSistema(cartellaFigure);
    if (!classe.lettere().isEmpty())
        f.cartelleClasse = classe.cartellePerLettera();
    return f;
}

quint64 PaginaSchede::semeNuovo() {
    return quint64(QDateTime::currentMSecsSinceEpoch());
}

PaginaSchede::PaginaSchede(FontiScheda fonti, quint64 seme, QWidget* parent)
    : ColouredArea(layoutSchede.pagina, parent), fonti_(std::move(fonti)), seme_(seme),
      sceltaFile_([](QWidget* w) {
          return QFileDialog::getSaveFileName(w, QStringLiteral("Salva la scheda"),
                                              QStringLiteral("scheda.pdf"),
                                              QStringLiteral("PDF (*.pdf)"));
      }),
      sceltaStampante_([](QPrinter& stampante, QWidget* w) {
          QPrintDialog dialogo(&stampante, w);
          return dialogo.exec() == QDialog::Accepted;
      }) {
    const LayoutSchede& l = layoutSchede;
    setAccessibleName(QStringLiteral("Schede"));
    setColour(sfondoPagina);
    setFont(Controlli::arial(10, false));
    const QFont testo = Controlli::arial(11, false);
    Titolo = etichetta(this, QStringLiteral("Schede da stampare"), l.titolo, Controlli::arial(18));
    etichetta(this, QStringLiteral("Quanti esercizi di ogni finestra"), l.titolettoEsercizi,
              Controlli::arial(12));
    for (int n = 1; n <= 15; ++n) {
        const QPoint dove = l.primoEsercizio + QPoint(0, (n - 1) * l.passoEsercizio);
        const QString nome = QString::fromUtf8(titoloEsercizio(formEs(n)));
        auto* e = etichetta(this, nome, QRect(dove, l.nomeEsercizio), Controlli::arial(10, false));
        auto* quanti = new QSpinBox(this);
        quanti->setGeometry(QRect(dove + QPoint(l.nomeEsercizio.width(), 1), l.quanti));
        quanti->setRange(0, RichiestaScheda::massimoPerFinestra);
        quanti->setAccessibleName(QStringLiteral("Esercizi di %1").arg(nome));
        e->setBuddy(quanti);
        Quanti << quanti;
    }
    etichetta(this, QStringLiteral("Classe e data"), l.etichettaTitolo, testo);
    TitoloScheda = new QLineEdit(this);
    TitoloScheda->setGeometry(l.titoloScheda);
    TitoloScheda->setFont(testo);
    TitoloScheda->setPlaceholderText(QStringLiteral("ad esempio: Classe 3ª B, 12 dicembre"));
    TitoloScheda->setAccessibleName(QStringLiteral("Classe e data"));
    auto* etichettaVersioni =
        etichetta(this, QStringLiteral("Versioni (fila A, B ...)"), l.etichettaVersioni, testo);
    Versioni = new QSpinBox(this);
    Versioni->setGeometry(l.versioni);
    Versioni->setFont(testo);
    Versioni->setRange(1, RichiestaScheda::massimoVersioni);
    Versioni->setAccessibleName(QStringLiteral("Versioni"));
    etichettaVersioni->setBuddy(Versioni);
    UsaFigureClasse = new QCheckBox(QStringLiteral("Usa le figure della classe"), this);
    UsaFigureClasse->setGeometry(l.figureClasse);
    UsaFigureClasse->setFont(testo);
    UsaFigureClasse->setEnabled(bool(fonti_.cartelleClasse));
    BottoneAnteprima = bottone(this, QStringLiteral("Anteprima"), l.anteprimaBottone);
    BottoneStampa = bottone(this, QStringLiteral("Stampa..."), l.stampa);
    BottoneSalva = bottone(this, QStringLiteral("Salva PDF..."), l.salvaPdf);
    Esito = etichetta(this, QString(), l.esito, Controlli::arial(10, false));
    Esito->setWordWrap(true);
    Esito->setAccessibleName(QStringLiteral("Esito"));
    Anteprima = new QLabel(this);
    Anteprima->setGeometry(l.anteprima);
    Anteprima->setFrameShape(QFrame::Box);
    Anteprima->setAlignment(Qt::AlignCenter);
    Anteprima->setAccessibleName(QStringLiteral("Anteprima della prima pagina"));
    connect(BottoneAnteprima, &QPushButton::clicked, this, [this] { aggiornaAnteprima(); });
    connect(BottoneStampa, &QPushButton::clicked, this, [this] { stampa(); });
    connect(BottoneSalva, &QPushButton::clicked, this, [this] { salvaPdf(); });

    // The keyboard goes down the counts, then through the sheet's choices.
    QWidget* prima = Quanti.first();
    for (QWidget* dopo : QList<QWidget*>(Quanti.begin() + 1, Quanti.end()) +
                             QList<QWidget*>{TitoloScheda, Versioni, UsaFigureClasse,
                                             BottoneAnteprima, BottoneStampa, BottoneSalva}) {
        setTabOrder(prima, dopo);
        prima = dopo;
    }
}

RichiestaScheda PaginaSchede::richiesta() const {
    RichiestaScheda r;
    for (qsizetype i = 0; i < Quanti.size(); ++i)
        if (Quanti[i]->value() > 0)
            r.esercizi << RichiestaScheda::Voce{formEs(int(i) + 1), Quanti[i]->value()};
    r.titolo = TitoloScheda->text();
    r.versioni = Versioni->value();
    r.seme = seme_;
    r.figureClasse = UsaFigureClasse->isChecked();
    return r;
}

void PaginaSchede::esito(const QString& testo) {
    Esito->setText(testo);
}

std::optional<FascicoloScheda> PaginaSchede::prepara() {
    auto fatto = Schede::prepara(richiesta(), fonti_);
    if (const QString* motivo = std::get_if<QString>(&fatto)) {
        esito(*motivo);
        return std::nullopt;
    }
    return std::get<FascicoloScheda>(std::move(fatto));
}

bool PaginaSchede::aggiornaAnteprima() {
    const std::optional<FascicoloScheda> f = prepara();
    if (!f)
        return false;
    const QSize lato = layoutSchede.anteprima.size() * devicePixelRatioF();
    QImage pagina = Schede::anteprima(*f, 0, lato.width());
    pagina = pagina.scaled(lato, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pagina.setDevicePixelRatio(devicePixelRatioF());
    Anteprima->setPixmap(QPixmap::fromImage(pagina));
    esito(QStringLiteral("La scheda ha %1 pagine.").arg(f->pagine()));
    return true;
}

bool PaginaSchede::salvaPdf() {
    const std::optional<FascicoloScheda> f = prepara();
    if (!f)
        return false;
    const QString file = sceltaFile_(this);
    if (file.isEmpty())
        return false;
    const QString motivo = Schede::scrivi(file, *f);
    esito(motivo.isEmpty() ? QStringLiteral("Scheda salvata in %1.").arg(file) : motivo);
    return motivo.isEmpty();
}

bool PaginaSchede::stampa() {
    const std::optional<FascicoloScheda> f = prepara();
    if (!f)
        return false;
    QPrinter stampante(QPrinter::HighResolution);
    const double mm = layoutScheda.margine / 10.0;
    stampante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(mm, mm, mm, mm), QPageLayout::Millimeter));
    if (!sceltaStampante_(stampante, this))
        return false;
    const QString motivo = Schede::disegna(stampante, *f);
    esito(motivo.isEmpty() ? QStringLiteral("Scheda mandata alla stampante.") : motivo);
    return motivo.isEmpty();
}
