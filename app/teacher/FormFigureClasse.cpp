// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormFigureClasse.h"

#include "GrigliaLettere.h"

#include "common/Controlli.h"
#include "common/Modulo1.h"
#include "common/platform/services/MessageBoxService.h"
#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/views/ConvenzioneFigure.h"
#include "common/views/FileViste.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QRgb sfondoFinestra = 0xE8F1FA;

QPushButton* bottone(QWidget* parent, const QString& testo, QRect dove) {
    auto* b = new QPushButton(testo, parent);
    b->setGeometry(dove);
    b->setAutoDefault(true);
    return b;
}

} // namespace

FormFigureClasse::FormFigureClasse(FigureClasse classe, QString cartellaViste,
                                   MessageBoxService& messaggi, QWidget* parent)
    : ColouredArea(layoutFigureClasse.finestra, parent), classe_(std::move(classe)),
      messaggi_(messaggi), cartellaViste_(std::move(cartellaViste)), sceltaFile_([](QWidget* w) {
          return QFileDialog::getOpenFileName(w, QStringLiteral("Apri un disegno"), QString(),
                                              QStringLiteral("Disegni (*.png *.jpg *.jpeg *.svg);;"
                                                             "Tutti i file (*)"));
      }) {
    const LayoutFigureClasse& l = layoutFigureClasse;
    setAccessibleName(QStringLiteral("Figure della classe"));
    setColour(sfondoFinestra);
    setFont(Controlli::arial(10, false));

    Titolo = Controlli::etichetta(this, QStringLiteral("Figure della classe"), l.titolo,
                                  Controlli::arial(18), sfondoFinestra,
                                  Qt::AlignLeft | Qt::AlignVCenter);

    griglia_ = std::make_unique<GrigliaLettere>(*this, sfondoFinestra,
                                                [this](QChar lettera) { scegliLettera(lettera); });
    Lettere = griglia_->lettere;
    NomiLettere = griglia_->nomi;

    Nota =
        Controlli::etichetta(this, QString(), l.nota, Controlli::arial(10, false), sfondoFinestra);

    auto* etichetta = Controlli::etichetta(this, QStringLiteral("Lettera:"), l.etichettaLettera,
                                           Controlli::arial(11), sfondoFinestra,
                                           Qt::AlignLeft | Qt::AlignVCenter);
    SceltaLettera = new QComboBox(this);
    SceltaLettera->setGeometry(l.sceltaLettera);
    SceltaLettera->setFont(Controlli::arial(11));
    for (int l = 0; l < ConvenzioneFigure::lettere; ++l)
        SceltaLettera->addItem(QString(ConvenzioneFigure::lettera(l)));
    SceltaLettera->setAccessibleName(QStringLiteral("Lettera"));
    etichetta->setBuddy(SceltaLettera);
    connect(SceltaLettera, &QComboBox::currentIndexChanged, this, [this] { aggiornaBottoni(); });

    BottoneApri = bottone(this, QStringLiteral("Apri un disegno..."), l.apri);
    connect(BottoneApri, &QPushButton::clicked, this, &FormFigureClasse::BottoneApri_Click);

    for (int i = 0; i < 8; ++i) {
        auto* vista = new ImageBox(this, std::int16_t(i));
        vista->setGeometry(QRect(l.viste + QPoint(i % 4 * l.passoVista, i / 4 * l.passoVista),
                                 QSize(l.latoVista, l.latoVista)));
        vista->setBordered(true);
        vista->setAccessibleName(QStringLiteral("Vista %1").arg(i + 1));
        Viste << vista;
    }

    Verdetto = Controlli::etichetta(
        this,
        QStringLiteral("Scegli la lettera e apri un disegno: qui vedrai le sue otto viste "
                       "come negli esercizi."),
        l.verdetto, Controlli::arial(11), sfondoFinestra);
    Verdetto->setAccessibleName(QStringLiteral("Verdetto"));
    Verdetto->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Verdetto->setFocusPolicy(Qt::StrongFocus);

    BottoneSalva = bottone(this, QString(), l.salva);
    connect(BottoneSalva, &QPushButton::clicked, this, &FormFigureClasse::BottoneSalva_Click);
    BottoneTogli = bottone(this, QString(), l.togli);
    connect(BottoneTogli, &QPushButton::clicked, this, &FormFigureClasse::BottoneTogli_Click);

    // The keyboard goes from the choice to the actions, then along the letters.
    setTabOrder(SceltaLettera, BottoneApri);
    setTabOrder(BottoneApri, Verdetto);
    setTabOrder(Verdetto, BottoneSalva);
    setTabOrder(BottoneSalva, BottoneTogli);
    QWidget* prima = BottoneTogli;
    for (ImageBox* box : std::as_const(Lettere)) {
        setTabOrder(prima, box);
        prima = box;
    }
    SceltaLettera->setFocus();
    aggiorna();
}

FormFigureClasse::~FormFigureClasse() = default;

QChar FormFigureClasse::lettera() const {
    return QLatin1Char(char('a' + SceltaLettera->currentIndex()));
}

void FormFigureClasse::scegliLettera(QChar lettera) {
    SceltaLettera->setCurrentIndex(lettera.unicode() - 'a');
}

void FormFigureClasse::aggiorna() {
    griglia_->mostra(classe_, cartellaViste_);
    Nota->setText(
        QStringLiteral("Con la cornice e il nome evidenziato: le figure della classe, che "
                       "gli esercizi usano al posto di quelle del programma dal prossimo "
                       "esercizio. Le figure della classe stanno in %1.")
            .arg(classe_.cartellaUtente() + QStringLiteral("/figure")));
    aggiornaBottoni();
}

void FormFigureClasse::aggiornaBottoni() {
    const QChar l = lettera();
    BottoneSalva->setText(QStringLiteral("Salva come figura della lettera %1").arg(l));
    BottoneSalva->setEnabled(figura_ && figura_->usabile());
    BottoneTogli->setText(QStringLiteral("Togli la figura della classe della lettera %1").arg(l));
    BottoneTogli->setEnabled(classe_.origine(l) == FigureClasse::Origine::Insegnante);
}

void FormFigureClasse::BottoneApri_Click() {
    const QString percorso = sceltaFile_(this);
    if (!percorso.isEmpty())
        apriDisegno(percorso);
}

void FormFigureClasse::apriDisegno(const QString& percorso) {
    figura_ = NuovaFigura::da(percorso);
    for (int i = 0; i < 8; ++i) {
        if (figura_->letta())
            Viste.at(i)->setPicture(Picture::fromImage(figura_->viste[std::size_t(i)]));
        else
            Viste.at(i)->setPicture(nullptr);
    }
    mostraEsito(figura_->verdetto());
    aggiornaBottoni();
}

void FormFigureClasse::BottoneSalva_Click() {
    if (!figura_ || !figura_->usabile())
        return;
    const QChar l = lettera();
    const QString motivo = classe_.salva(l, figura_->file(l));
    aggiorna();
    mostraEsito(motivo.isEmpty() ? QStringLiteral("Salvata: dal prossimo esercizio la lettera %1 "
                                                  "ha questa figura.")
                                       .arg(l)
                                 : motivo);
}

void FormFigureClasse::BottoneTogli_Click() {
    const QChar l = lettera();
    // The teacher's own drawing goes for good: asked first.
    if (classe_.origine(l) == FigureClasse::Origine::Insegnante &&
        messaggi_.show(window(),
                       {Modulo1::titolo(),
                        QStringLiteral("Togliere la figura della classe della lettera "
                                       "%1? Il disegno salvato va perso.")
                            .arg(l),
                        MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo}) !=
            MessageBoxService::Answer::Yes)
        return;
    const QString motivo = classe_.togli(l);
    aggiorna();
    mostraEsito(motivo.isEmpty()
                    ? QStringLiteral("Tolta: la lettera %1 torna ad avere la figura %2.")
                          .arg(l)
                          .arg(classe_.origine(l) == FigureClasse::Origine::Scuola
                                   ? QStringLiteral("della scuola")
                                   : QStringLiteral("del programma"))
                    : motivo);
}

void FormFigureClasse::mostraEsito(const QString& testo) {
    Verdetto->setText(testo);
    Verdetto->setAccessibleDescription(testo);
}

bool FormFigureClasse::event(QEvent* event) {
    // Someone may have changed the folders meanwhile: read them again.
    if (event->type() == QEvent::WindowActivate)
        aggiorna();
    return ColouredArea::event(event);
}

void FormFigureClasse::keyPressEvent(QKeyEvent* event) {
    // A letter's figure is a button: Space or Enter picks it.
    auto* box = qobject_cast<ImageBox*>(focusWidget());
    const int key = event->key();
    if (box && Lettere.contains(box) &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        box->press();
        return;
    }
    ColouredArea::keyPressEvent(event);
}
