// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginaImpostazioni.h"

#include "CampoCartella.h"
#include "LayoutImpostazioni.h"

#include "common/Controlli.h"
#include "common/FinestraId.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr QRgb sfondoPagina = 0xE8F1FA;

QCheckBox* casella(QWidget* parent, const QString& testo, QRect dove, const QFont& font) {
    auto* c = new QCheckBox(testo, parent);
    c->setGeometry(dove);
    c->setFont(font);
    return c;
}

QLabel* titoletto(QWidget* parent, const QString& testo, QRect dove) {
    return Controlli::etichetta(parent, testo, dove, Controlli::arial(12), sfondoPagina,
                                Qt::AlignLeft | Qt::AlignVCenter);
}

QLabel* etichetta(QWidget* parent, const QString& testo, QRect dove) {
    return Controlli::etichetta(parent, testo, dove, Controlli::arial(10, false), sfondoPagina,
                                Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

QString PaginaImpostazioni::tastiUscita() {
    return QStringLiteral("Ctrl+Alt+Maiusc+E");
}

PaginaImpostazioni::PaginaImpostazioni(Lettura lettura, Salvataggio salvataggio, QWidget* parent)
    : ColouredArea(layoutImpostazioni.pagina, parent), lettura_(std::move(lettura)),
      salvataggio_(std::move(salvataggio)), sceltaCartella_([](QWidget* w, const QString& attuale) {
          return QFileDialog::getExistingDirectory(w, QStringLiteral("Scegli la cartella"),
                                                   attuale);
      }) {
    const LayoutImpostazioni& l = layoutImpostazioni;
    setAccessibleName(QStringLiteral("Impostazioni"));
    setColour(sfondoPagina);
    setFont(Controlli::arial(10, false));
    const QFont testo = Controlli::arial(11, false);

    Titolo =
        Controlli::etichetta(this, QStringLiteral("Impostazioni"), l.titolo, Controlli::arial(18),
                             sfondoPagina, Qt::AlignLeft | Qt::AlignVCenter);

    titoletto(this, QStringLiteral("Suoni"), l.titolettoSuoni);
    SuoniAttivi = casella(this, QString(), l.suoniAttivi, testo);
    auto* etichettaVolume = etichetta(this, QString(), l.etichettaVolume);
    Volume = new QSpinBox(this);
    Volume->setGeometry(l.volume);
    Volume->setFont(testo);
    Volume->setRange(0, 100);
    Volume->setSuffix(QStringLiteral(" %"));
    Volume->setAccessibleName(QStringLiteral("Volume"));
    etichettaVolume->setBuddy(Volume);

    titoletto(this, QStringLiteral("La classe"), l.titolettoClasse);
    SchermoIntero = casella(this, QString(), l.schermoIntero, testo);
    Blocco = casella(this, QString(), l.blocco, testo);
    etichetta(this,
              QStringLiteral("Il programma si chiude solo con %1; negli esercizi \"Esci\" "
                             "torna al menù.")
                  .arg(tastiUscita()),
              l.notaBlocco)
        ->setWordWrap(true);

    // The dialog is asked for when a button is pressed, so that a test can
    // answer in its place after the page is made.
    const auto scelta = [this](QWidget* w, const QString& attuale) {
        return sceltaCartella_(w, attuale);
    };
    titoletto(this, QStringLiteral("Registro delle risposte"), l.titolettoRegistro);
    RegistroAttivo = casella(this, QString(), l.registroAttivo, testo);
    const CampoCartella registro(this, l.cartellaRegistro, QStringLiteral("Cartella del registro"),
                                 QStringLiteral("la cartella dei dati dell'utente"), sfondoPagina,
                                 scelta);
    CartellaRegistro = registro.campo;

    titoletto(this, QStringLiteral("Figure della classe"), l.titolettoFigure);
    const CampoCartella figure(this, l.cartellaFigure,
                               QStringLiteral("Cartella ulteriore delle figure"),
                               QStringLiteral("nessuna"), sfondoPagina, scelta);
    CartellaFigure = figure.campo;

    auto* titolettoEsercizi = titoletto(this, QString(), l.titolettoEsercizi);
    for (int n = 1; n <= Impostazioni::numeroEsercizi; ++n) {
        auto* box = casella(
            this, QString::fromUtf8(titoloEsercizio(formEs(n))),
            QRect(l.primoEsercizio + QPoint(0, (n - 1) * l.esercizio.height()), l.esercizio),
            Controlli::arial(10, false));
        connect(box, &QCheckBox::toggled, this, [this] { tieniUnEsercizio(); });
        Esercizi << box;
    }

    // As many as there are: it scrolls.
    Avvisi = new QPlainTextEdit(this);
    Avvisi->setGeometry(l.avvisi);
    Avvisi->setFont(Controlli::arial(9, false));
    Avvisi->setReadOnly(true);
    Avvisi->setAccessibleName(QStringLiteral("Valori non letti"));
    Esito = etichetta(this, QString(), l.esito);
    Esito->setWordWrap(true);
    Esito->setAccessibleName(QStringLiteral("Esito"));
    BottoneSalva = new QPushButton(QStringLiteral("Salva le impostazioni"), this);
    BottoneSalva->setGeometry(l.salva);
    BottoneSalva->setAutoDefault(true);
    connect(BottoneSalva, &QPushButton::clicked, this, [this] { salva(); });

    QList<QWidget*> esercizi(Esercizi.begin(), Esercizi.end());
    righe_ = RigheBloccate({
        {QStringLiteral("suoni/attivi"),
         {SuoniAttivi},
         SuoniAttivi,
         QStringLiteral("Suoni attivi")},
        {QStringLiteral("suoni/volume"), {Volume}, etichettaVolume, QStringLiteral("Volume:")},
        {QStringLiteral("classe/schermo_intero"),
         {SchermoIntero},
         SchermoIntero,
         QStringLiteral("Ogni finestra a schermo intero")},
        {QStringLiteral("classe/blocco"),
         {Blocco},
         Blocco,
         QStringLiteral("Gli alunni non possono uscire dal programma")},
        {QStringLiteral("registro/attivo"),
         {RegistroAttivo},
         RegistroAttivo,
         QStringLiteral("Registra le risposte degli alunni")},
        {QStringLiteral("registro/cartella"),
         {CartellaRegistro, registro.scegli},
         registro.etichetta,
         QStringLiteral("Cartella del registro:")},
        {QStringLiteral("figure/cartella"),
         {CartellaFigure, figure.scegli},
         figure.etichetta,
         QStringLiteral("Un'altra cartella di figure, prima di quelle della scuola:")},
        {QStringLiteral("menu/esercizi"), esercizi, titolettoEsercizi,
         QStringLiteral("Esercizi nel menù")},
    });

    // Down the left column, then the exercises, then saving.
    QList<QWidget*> ordine{SuoniAttivi,     Volume,         SchermoIntero,
                           Blocco,          RegistroAttivo, CartellaRegistro,
                           registro.scegli, CartellaFigure, figure.scegli};
    ordine << esercizi << Avvisi << BottoneSalva;
    for (qsizetype i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
    rileggi();
}

void PaginaImpostazioni::rileggi() {
    letti_ = lettura_();
    mostra(letti_);
}

void PaginaImpostazioni::mostra(const Stato& stato) {
    const Impostazioni& v = stato.valori;
    SuoniAttivi->setChecked(v.suoniAttivi);
    Volume->setValue(v.volume);
    SchermoIntero->setChecked(v.schermoIntero);
    Blocco->setChecked(v.blocco);
    RegistroAttivo->setChecked(v.registroAttivo);
    CartellaRegistro->setText(v.cartellaRegistro);
    CartellaFigure->setText(v.cartellaFigure);
    for (int n = 1; n <= Impostazioni::numeroEsercizi; ++n)
        Esercizi.at(n - 1)->setChecked(v.mostraEsercizio(n));
    righe_.mostra(stato.bloccate);
    tieniUnEsercizio();
    Avvisi->setPlainText(
        QStringLiteral("Questi valori non si sono potuti leggere, e non valgono:\n") +
        stato.avvisi.join(QLatin1Char('\n')));
    Avvisi->setVisible(!stato.avvisi.isEmpty());
}

void PaginaImpostazioni::tieniUnEsercizio() {
    if (letti_.bloccate.contains(QStringLiteral("menu/esercizi")))
        return;
    QCheckBox* ultimo = nullptr;
    int scelti = 0;
    for (QCheckBox* box : std::as_const(Esercizi))
        if (box->isChecked()) {
            ++scelti;
            ultimo = box;
        }
    for (QCheckBox* box : std::as_const(Esercizi))
        box->setEnabled(scelti > 1 || box != ultimo);
}

Impostazioni PaginaImpostazioni::scelte() const {
    Impostazioni s;
    s.suoniAttivi = SuoniAttivi->isChecked();
    s.volume = Volume->value();
    s.schermoIntero = SchermoIntero->isChecked();
    s.blocco = Blocco->isChecked();
    s.registroAttivo = RegistroAttivo->isChecked();
    s.cartellaRegistro = CartellaRegistro->text().trimmed();
    s.cartellaFigure = CartellaFigure->text().trimmed();
    for (int n = 1; n <= Impostazioni::numeroEsercizi; ++n)
        if (Esercizi.at(n - 1)->isChecked())
            s.esercizi << n;
    // All fifteen is the same as none named: every button shows.
    if (s.esercizi.size() == Impostazioni::numeroEsercizi)
        s.esercizi.clear();
    return s;
}

bool PaginaImpostazioni::salva() {
    const QString motivo = salvataggio_(scelte());
    if (!motivo.isEmpty()) {
        mostraEsito(motivo);
        return false;
    }
    rileggi();
    mostraEsito(QStringLiteral("Salvate: valgono dalla prossima finestra che si apre."));
    emit salvate();
    return true;
}

void PaginaImpostazioni::mostraEsito(const QString& testo) {
    Esito->setText(testo);
    Esito->setAccessibleDescription(testo);
}
