// SPDX-License-Identifier: GPL-3.0-or-later
#include "PannelliRegistro.h"

#include "LayoutRegistro.h"
#include "TabelleRegistro.h"

#include "common/Controlli.h"
#include "common/keys/NomiClasse.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using TabelleRegistro::bottone;

QLabel* testo(QWidget* parent, const QString& parole, QRect dove, int punti = 11) {
    QLabel* label =
        TabelleRegistro::etichetta(parent, parole, dove, Controlli::arial(punti, false));
    label->setWordWrap(true);
    return label;
}

QLineEdit* campoPassword(QWidget* parent, const QString& nome, QRect dove, QRect etichetta) {
    auto* campo = new QLineEdit(parent);
    campo->setGeometry(dove);
    campo->setEchoMode(QLineEdit::Password);
    campo->setAccessibleName(nome);
    testo(parent, nome + QLatin1Char(':'), etichetta)->setBuddy(campo);
    return campo;
}

QLabel* esito(QWidget* parent, QRect dove) {
    QLabel* label = testo(parent, QString(), dove);
    label->setAccessibleName(QStringLiteral("Esito"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void ordine(std::initializer_list<QWidget*> controlli) {
    QWidget* prima = nullptr;
    for (QWidget* dopo : controlli) {
        if (prima)
            QWidget::setTabOrder(prima, dopo);
        prima = dopo;
    }
}

} // namespace

PannelloAttivazione::PannelloAttivazione(QWidget* parent)
    : ColouredArea(layoutAttivazioneRegistro.pagina, parent), apriFile_([](QWidget* w) {
          return QFileDialog::getOpenFileName(w, QStringLiteral("L'elenco della classe"), {},
                                              QStringLiteral("Elenchi (*.txt *.csv);;Tutti (*)"));
      }) {
    const LayoutAttivazioneRegistro& l = layoutAttivazioneRegistro;
    setColour(TabelleRegistro::sfondoPagina);
    setAccessibleName(QStringLiteral("Attiva il registro"));
    TabelleRegistro::etichetta(this, QStringLiteral("Attiva il registro della classe"), l.titolo,
                               Controlli::arial(18));
    testo(this,
          QStringLiteral("Il registro tiene ogni risposta degli alunni, che scelgono il loro "
                         "nome prima del menù. Solo chi ha la password lo legge: si chiede "
                         "ogni volta che si apre il registro."),
          l.spiegazione);
    Nomi = new QPlainTextEdit(this);
    Nomi->setGeometry(l.nomi);
    Nomi->setTabChangesFocus(true);
    Nomi->setAccessibleName(QStringLiteral("Nomi della classe, uno per riga"));
    Nomi->setFont(Controlli::arial(12, false));
    testo(this, QStringLiteral("Nomi della classe, uno per riga:"), l.etichettaNomi)
        ->setBuddy(Nomi);
    BottoneCarica = bottone(this, QStringLiteral("Carica l'elenco da un file…"), l.carica);
    Password = campoPassword(this, QStringLiteral("Password dell'insegnante"), l.password,
                             l.etichettaPassword);
    Ripeti = campoPassword(this, QStringLiteral("Ripeti la password"), l.ripeti, l.etichettaRipeti);
    BottoneAttiva = bottone(this, QStringLiteral("Attiva il registro"), l.attiva);
    Esito = esito(this, l.esito);
    Codice = TabelleRegistro::etichetta(this, QString(), l.codice,
                                        QFont(QStringLiteral("DejaVu Sans Mono"), 18));
    Codice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Codice->setAccessibleName(QStringLiteral("Codice di recupero"));
    BottoneFatto = bottone(this, QStringLiteral("Ho scritto il codice"), l.fatto);
    BottoneFatto->hide();
    connect(BottoneCarica, &QPushButton::clicked, this, &PannelloAttivazione::carica);
    connect(BottoneAttiva, &QPushButton::clicked, this, &PannelloAttivazione::attiva);
    connect(BottoneFatto, &QPushButton::clicked, this, &PannelloAttivazione::codiceScritto);
    ordine({Nomi, BottoneCarica, Password, Ripeti, BottoneAttiva, BottoneFatto});
}

void PannelloAttivazione::setApriFile(ApriFile apri) {
    apriFile_ = std::move(apri);
}

void PannelloAttivazione::carica() {
    const QString file = apriFile_(this);
    if (file.isEmpty())
        return;
    const NomiClasse nomi = NomiClasse::daFile(file);
    if (!nomi.valida()) {
        mostraErrore(nomi.errore);
        return;
    }
    Nomi->setPlainText(nomi.nomi.join(QLatin1Char('\n')));
    Esito->setText(
        QStringLiteral("%1 nomi letti: si possono correggere qui.").arg(nomi.nomi.size()));
}

void PannelloAttivazione::attiva() {
    const NomiClasse nomi = NomiClasse::daTesto(Nomi->toPlainText());
    if (!nomi.valida())
        return mostraErrore(nomi.errore);
    if (Password->text() != Ripeti->text())
        return mostraErrore(QStringLiteral("Le due password non sono uguali."));
    emit attivazioneChiesta(nomi.nomi, Password->text());
}

void PannelloAttivazione::mostraCodice(const QString& codice) {
    Password->clear();
    Ripeti->clear();
    for (QWidget* w : {static_cast<QWidget*>(Nomi), static_cast<QWidget*>(BottoneCarica),
                       static_cast<QWidget*>(Password), static_cast<QWidget*>(Ripeti),
                       static_cast<QWidget*>(BottoneAttiva)})
        w->setEnabled(false);
    Esito->setText(QStringLiteral(
        "Il registro è attivo. Questo è il codice di recupero: se la password si dimentica, "
        "apre il registro e ne sceglie una nuova. Si mostra solo ora: scriverlo o stamparlo, "
        "e tenerlo lontano dagli alunni."));
    Codice->setText(codice);
    BottoneFatto->show();
    BottoneFatto->setFocus();
}

void PannelloAttivazione::mostraErrore(const QString& errore) {
    Esito->setText(errore);
}

PannelloApertura::PannelloApertura(QWidget* parent)
    : ColouredArea(layoutAperturaRegistro.pagina, parent) {
    const LayoutAperturaRegistro& l = layoutAperturaRegistro;
    setColour(TabelleRegistro::sfondoPagina);
    setAccessibleName(QStringLiteral("Apri il registro"));
    TabelleRegistro::etichetta(this, QStringLiteral("Registro della classe"), l.titolo,
                               Controlli::arial(18));
    testo(this, QStringLiteral("Il registro si legge con la password dell'insegnante."),
          l.spiegazione);
    Password = campoPassword(this, QStringLiteral("Password"), l.password, l.etichettaPassword);
    BottoneApri = bottone(this, QStringLiteral("Apri il registro"), l.apri);
    TabelleRegistro::etichetta(
        this, QStringLiteral("Password dimenticata? Il codice di recupero ne sceglie una nuova."),
        l.titolettoCodice, Controlli::arial(11));
    Codice = new QLineEdit(this);
    Codice->setGeometry(l.codice);
    Codice->setAccessibleName(QStringLiteral("Codice di recupero"));
    testo(this, QStringLiteral("Codice di recupero:"), l.etichettaCodice)->setBuddy(Codice);
    Nuova = campoPassword(this, QStringLiteral("Nuova password"), l.nuova, l.etichettaNuova);
    Ripeti = campoPassword(this, QStringLiteral("Ripeti la nuova password"), l.ripeti,
                           l.etichettaRipeti);
    BottoneCambia = bottone(this, QStringLiteral("Cambia la password e apri"), l.cambia);
    Esito = esito(this, l.esito);
    connect(BottoneApri, &QPushButton::clicked, this,
            [this] { emit aperturaChiesta(Password->text()); });
    connect(Password, &QLineEdit::returnPressed, BottoneApri, &QPushButton::click);
    connect(BottoneCambia, &QPushButton::clicked, this, [this] {
        if (Nuova->text() != Ripeti->text())
            return mostraErrore(QStringLiteral("Le due password nuove non sono uguali."));
        emit recuperoChiesto(Codice->text(), Nuova->text());
    });
    ordine({Password, BottoneApri, Codice, Nuova, Ripeti, BottoneCambia});
}

void PannelloApertura::mostraErrore(const QString& errore) {
    Esito->setText(errore);
}

void PannelloApertura::pulisci() {
    for (QLineEdit* campo : {Password, Codice, Nuova, Ripeti})
        campo->clear();
    Esito->clear();
}
