// SPDX-License-Identifier: GPL-3.0-or-later
#include "PannelloCancellazione.h"

#include "LayoutRegistro.h"
#include "TabelleRegistro.h"

#include "common/Controlli.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

PannelloCancellazione::PannelloCancellazione(const QStringList& alunni, QDate oggi, QWidget* parent)
    : ColouredArea(layoutCancellazioneRegistro.pagina, parent) {
    const LayoutCancellazioneRegistro& l = layoutCancellazioneRegistro;
    using TabelleRegistro::bottone;
    using TabelleRegistro::etichetta;
    setColour(TabelleRegistro::sfondoPagina);
    setAccessibleName(QStringLiteral("Cancella dal registro"));
    const QFont testo = Controlli::arial(11, false);
    etichetta(this, QStringLiteral("Cancella dal registro"), l.titolo, Controlli::arial(18));
    etichetta(this, QStringLiteral("Quello che si cancella non si può più leggere, da nessun PC."),
              l.spiegazione, testo);
    Alunno = TabelleRegistro::scelta(this, QStringLiteral("Alunno"), l.alunno, alunni);
    etichetta(this, QStringLiteral("Tutte le risposte di un alunno:"), l.etichettaAlunno, testo)
        ->setBuddy(Alunno);
    BottoneAlunno = bottone(this, QStringLiteral("Cancella l'alunno…"), l.cancellaAlunno);
    BottoneAlunno->setEnabled(!alunni.isEmpty());
    Giorno = new QDateEdit(oggi, this);
    Giorno->setGeometry(l.giorno);
    Giorno->setCalendarPopup(true);
    Giorno->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Giorno->setAccessibleName(QStringLiteral("Ultimo giorno da cancellare"));
    etichetta(this, QStringLiteral("Tutte le risposte fino al giorno, compreso:"),
              l.etichettaGiorno, testo)
        ->setBuddy(Giorno);
    BottoneGiorno = bottone(this, QStringLiteral("Cancella fino al giorno…"), l.cancellaGiorno);
    etichetta(this, QStringLiteral("Tutto il registro, di ogni alunno e di ogni giorno:"),
              l.etichettaTutto, testo);
    BottoneTutto = bottone(this, QStringLiteral("Cancella tutto…"), l.cancellaTutto);
    Esito = etichetta(this, QString(), l.esito, testo);
    Esito->setWordWrap(true);
    Esito->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Esito->setAccessibleName(QStringLiteral("Esito"));
    BottoneIndietro = bottone(this, QStringLiteral("Indietro"), l.indietro);

    connect(BottoneAlunno, &QPushButton::clicked, this, [this] {
        const QString alunno = Alunno->currentText();
        emit cancellazioneChiesta({Cancellazione::Tipo::Alunno, alunno, {}},
                                  QStringLiteral("tutte le risposte di %1").arg(alunno));
    });
    connect(BottoneGiorno, &QPushButton::clicked, this, [this] {
        const QDate giorno = Giorno->date();
        emit cancellazioneChiesta({Cancellazione::Tipo::PrimaDi, {}, giorno.addDays(1)},
                                  QStringLiteral("tutte le risposte fino al %1 compreso")
                                      .arg(giorno.toString(QStringLiteral("dd/MM/yyyy"))));
    });
    connect(BottoneTutto, &QPushButton::clicked, this, [this] {
        emit cancellazioneChiesta({Cancellazione::Tipo::Tutto, {}, {}},
                                  QStringLiteral("tutto il registro"));
    });
    connect(BottoneIndietro, &QPushButton::clicked, this, &PannelloCancellazione::indietro);
    QWidget* prima = Alunno;
    for (QWidget* dopo : {static_cast<QWidget*>(BottoneAlunno), static_cast<QWidget*>(Giorno),
                          static_cast<QWidget*>(BottoneGiorno), static_cast<QWidget*>(BottoneTutto),
                          static_cast<QWidget*>(BottoneIndietro)}) {
        setTabOrder(prima, dopo);
        prima = dopo;
    }
}

void PannelloCancellazione::mostraEsito(const QString& esito) {
    Esito->setText(esito);
}
