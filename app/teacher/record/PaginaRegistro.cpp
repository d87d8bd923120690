// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaRegistro.h"

#include "LayoutRegistro.h"
#include "PaginaAlunnoRegistro.h"
#include "SceltaPeriodo.h"
#include "TabelleRegistro.h"

#include "common/Controlli.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/reports/EsportaCsv.h"
#include "common/reports/PaginaAlunno.h"
#include "common/reports/PdfRegistro.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStackedLayout>
#include <QTableView>

namespace {

using namespace TabelleRegistro;
// In the order of GrigliaClasse::Misura.
const QStringList misure{QStringLiteral("Risposte date"),
                         QStringLiteral("Giuste al primo tentativo"),
                         QStringLiteral("Ultimo giorno")};

} // namespace

PaginaRegistro::PaginaRegistro(QList<VoceRegistro> voci, QStringList classe, QStringList note,
                               QDate oggi, QWidget* parent)
    : QWidget(parent), voci_(std::move(voci)), classe_(std::move(classe)), ordine_(nullptr),
      sceltaFile_(&TabelleRegistro::sceltaFile) {
    const LayoutRegistro& l = layoutRegistro;
    setAccessibleName(QStringLiteral("Registro"));
    pile_ = new QStackedLayout(this);
    pile_->setContentsMargins(0, 0, 0, 0);
    Vista = new ColouredArea(l.pagina);
    pile_->addWidget(Vista);
    Vista->setColour(sfondoPagina);
    Vista->setFont(Controlli::arial(10, false));
    const auto etichetta = [this](const QString& testo, QRect dove, const QFont& font) {
        return TabelleRegistro::etichetta(Vista, testo, dove, font);
    };
    const QFont testo = Controlli::arial(11, false);
    Titolo = etichetta(QStringLiteral("Registro della classe"), l.titolo, Controlli::arial(18));
    etichetta(QStringLiteral("Classe"), l.etichettaClasse, testo)
        ->setBuddy(Classe = new QLineEdit(Vista));
    Classe->setGeometry(l.classe);
    Classe->setPlaceholderText(QStringLiteral("ad esempio: Classe 3ª B"));
    Classe->setAccessibleName(QStringLiteral("Classe, per i fogli stampati"));
    periodo_ = new SceltaPeriodo(
        Vista, {l.etichettaPeriodo, l.periodo, l.etichettaDal, l.dal, l.etichettaAl, l.al}, oggi);
    Periodo = periodo_->Periodo;
    Dal = periodo_->Dal;
    Al = periodo_->Al;
    Misura = scelta(Vista, QStringLiteral("Nelle caselle"), l.misura, misure);
    etichetta(QStringLiteral("Mostra"), l.etichettaMisura, testo)->setBuddy(Misura);

    ordine_ = new QSortFilterProxyModel(this);
    ordine_->setSourceModel(&griglia_);
    ordine_->setSortRole(GrigliaClasse::RuoloOrdine);
    ordine_->setSortLocaleAware(true);
    Griglia = new QTableView(Vista);
    Griglia->setGeometry(l.griglia);
    comeTabella(*Griglia, QStringLiteral("Griglia della classe"));
    Griglia->setAccessibleDescription(
        QStringLiteral("Un alunno per riga, un esercizio per colonna; Invio apre la pagina "
                       "dell'alunno."));
    Griglia->setModel(ordine_);
    Griglia->setSortingEnabled(true);
    Griglia->sortByColumn(GrigliaClasse::colonnaAlunno, Qt::AscendingOrder);
    // The names as wide as the longest, the exercises sharing what is left:
    // a class of long names still shows all sixteen columns.
    Griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Griglia->horizontalHeader()->setSectionResizeMode(GrigliaClasse::colonnaAlunno,
                                                      QHeaderView::ResizeToContents);
    Griglia->horizontalHeader()->setMinimumSectionSize(40);
    Griglia->installEventFilter(this);

    Note = etichetta(note.join(QLatin1Char('\n')), l.note, Controlli::arial(9, false));
    Note->setWordWrap(true);
    Note->setAccessibleName(note.isEmpty() ? QStringLiteral("Nessuna nota sulla lettura")
                                           : note.join(QLatin1Char(' ')));
    Esito = etichetta(QString(), l.esito, Controlli::arial(10, false));
    Esito->setWordWrap(true);
    Esito->setAccessibleName(QStringLiteral("Esito"));
    BottoneRisposte =
        bottone(Vista, QStringLiteral("Esporta le risposte (CSV)…"), l.esportaRisposte);
    BottoneGriglia = bottone(Vista, QStringLiteral("Esporta la griglia (CSV)…"), l.esportaGriglia);
    BottoneStampa = bottone(Vista, QStringLiteral("Stampa la griglia (PDF)…"), l.stampaGriglia);
    BottoneChiudiRegistro = bottone(Vista, QStringLiteral("Chiudi il registro"), l.chiudiRegistro);
    BottoneCancella = bottone(Vista, QStringLiteral("Cancella…"), l.cancella);
    connect(BottoneChiudiRegistro, &QPushButton::clicked, this, &PaginaRegistro::chiusuraChiesta);
    connect(BottoneCancella, &QPushButton::clicked, this, &PaginaRegistro::cancellazioneChiesta);

    connect(periodo_, &SceltaPeriodo::cambiato, this, &PaginaRegistro::aggiorna);
    connect(Misura, &QComboBox::currentIndexChanged, this, [this](int i) {
        griglia_.setMisura(GrigliaClasse::Misura(i));
        Griglia->resizeColumnsToContents();
    });
    connect(Griglia, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { apriAlunno(alunnoSu(i.row())); });
    connect(&Vista->scaler(), &UniformScaler::scaleChanged, Griglia,
            &QTableView::resizeColumnsToContents);
    connect(BottoneRisposte, &QPushButton::clicked, this, [this] { esportaRisposte(); });
    connect(BottoneGriglia, &QPushButton::clicked, this, [this] { esportaGriglia(); });
    connect(BottoneStampa, &QPushButton::clicked, this, [this] { stampaGriglia(); });

    QWidget* prima = Periodo;
    for (QWidget* dopo :
         {static_cast<QWidget*>(Dal), static_cast<QWidget*>(Al), static_cast<QWidget*>(Misura),
          static_cast<QWidget*>(Classe), static_cast<QWidget*>(Griglia),
          static_cast<QWidget*>(BottoneRisposte), static_cast<QWidget*>(BottoneGriglia),
          static_cast<QWidget*>(BottoneStampa), static_cast<QWidget*>(BottoneChiudiRegistro),
          static_cast<QWidget*>(BottoneCancella)}) {
        setTabOrder(prima, dopo);
        prima = dopo;
    }
    aggiorna();
}

IntervalloDate PaginaRegistro::intervallo() const {
    return periodo_->intervallo();
}

void PaginaRegistro::setSceltaFile(SceltaFile scelta) {
    sceltaFile_ = std::move(scelta);
}

void PaginaRegistro::aggiorna() {
    griglia_.imposta(RiepilogoClasse::calcola(voci_, classe_, intervallo()));
    Griglia->resizeColumnsToContents();
    Esito->setText(QStringLiteral("Risposte %1.").arg(intervallo().descrizione()));
}

QString PaginaRegistro::alunnoSu(int riga) const {
    return griglia_.alunno(ordine_->mapToSource(ordine_->index(riga, 0)).row());
}

bool PaginaRegistro::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Griglia && event->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(event)->key();
        if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) &&
            Griglia->currentIndex().isValid()) {
            apriAlunno(alunnoSu(Griglia->currentIndex().row()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

PaginaAlunnoRegistro* PaginaRegistro::apriAlunno(const QString& nome) {
    chiudiAlunno();
    alunno_ =
        new PaginaAlunnoRegistro(PaginaAlunno::calcola(voci_, nome, intervallo()), Classe->text());
    alunno_->setSceltaFile(sceltaFile_);
    pile_->addWidget(alunno_);
    pile_->setCurrentWidget(alunno_);
    connect(alunno_, &PaginaAlunnoRegistro::indietro, this, &PaginaRegistro::chiudiAlunno);
    alunno_->setFocus(Qt::OtherFocusReason);
    return alunno_;
}

void PaginaRegistro::chiudiAlunno() {
    if (!alunno_)
        return;
    pile_->removeWidget(alunno_);
    alunno_->deleteLater();
    alunno_ = nullptr;
    pile_->setCurrentWidget(Vista);
    Griglia->setFocus(Qt::OtherFocusReason);
}

bool PaginaRegistro::esporta(const QString& cosa, const QString& estensione,
                             const std::function<QString(QIODevice&)>& scrivi,
                             const QString& fatto) {
    const QString proposto = QStringLiteral("%1 %2 %3.%4")
                                 .arg(cosa, intervallo().dal().toString(Qt::ISODate),
                                      intervallo().al().toString(Qt::ISODate), estensione);
    const QString file = sceltaFile_(this, proposto);
    return !file.isEmpty() && salva(*Esito, file, scrivi, fatto);
}

bool PaginaRegistro::esportaRisposte() {
    return esporta(
        QStringLiteral("risposte"), QStringLiteral("csv"),
        [this](QIODevice& csv) { return EsportaCsv::risposte(csv, voci_, intervallo()); },
        QStringLiteral("Risposte salvate"));
}

bool PaginaRegistro::esportaGriglia() {
    return esporta(
        QStringLiteral("griglia"), QStringLiteral("csv"),
        [this](QIODevice& csv) { return EsportaCsv::griglia(csv, griglia_.riepilogo()); },
        QStringLiteral("Griglia salvata"));
}

bool PaginaRegistro::stampaGriglia() {
    return esporta(
        QStringLiteral("griglia"), QStringLiteral("pdf"),
        [this](QIODevice& pdf) {
            return PdfRegistro::griglia(pdf, griglia_.riepilogo(), Classe->text());
        },
        QStringLiteral("Griglia salvata"));
}
