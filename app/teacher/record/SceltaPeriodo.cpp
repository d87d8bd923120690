// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceltaPeriodo.h"

#include "TabelleRegistro.h"

#include "common/Controlli.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

namespace {

using Periodi = IntervalloDate::Periodo;

// In the order of IntervalloDate::Periodo.
const QStringList periodi{QStringLiteral("Oggi"), QStringLiteral("Questa settimana"),
                          QStringLiteral("Questo mese"), QStringLiteral("L'anno scolastico"),
                          QStringLiteral("Tra due date")};

QDateEdit* giorno(QWidget* parent, const QString& nome, QRect dove) {
    auto* d = new QDateEdit(parent);
    d->setGeometry(dove);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setAccessibleName(nome);
    return d;
}

} // namespace

SceltaPeriodo::SceltaPeriodo(QWidget* superficie, const Posti& posti, QDate oggi)
    : QObject(superficie), oggi_(oggi),
      intervallo_(IntervalloDate::periodo(Periodi::Settimana, oggi)) {
    using TabelleRegistro::etichetta;
    const QFont testo = Controlli::arial(11, false);
    Periodo =
        TabelleRegistro::scelta(superficie, QStringLiteral("Periodo"), posti.periodo, periodi);
    etichetta(superficie, QStringLiteral("Periodo"), posti.etichettaPeriodo, testo)
        ->setBuddy(Periodo);
    Dal = giorno(superficie, QStringLiteral("Dal giorno"), posti.dal);
    etichetta(superficie, QStringLiteral("dal"), posti.etichettaDal, testo)->setBuddy(Dal);
    Al = giorno(superficie, QStringLiteral("Al giorno"), posti.al);
    etichetta(superficie, QStringLiteral("al"), posti.etichettaAl, testo)->setBuddy(Al);

    Periodo->setCurrentIndex(int(Periodi::Settimana));
    Dal->setDate(intervallo_.dal());
    Al->setDate(intervallo_.al());
    Dal->setEnabled(false);
    Al->setEnabled(false);
    connect(Periodo, &QComboBox::currentIndexChanged, this, [this] { scelto(); });
    for (QDateEdit* d : {Dal, Al})
        connect(d, &QDateEdit::dateChanged, this, [this] {
            if (Periodo->currentIndex() == int(Periodi::TraDueDate))
                scelto();
        });
}

void SceltaPeriodo::scelto() {
    const auto p = Periodi(Periodo->currentIndex());
    const bool libere = p == Periodi::TraDueDate;
    Dal->setEnabled(libere);
    Al->setEnabled(libere);
    if (libere) {
        intervallo_ = IntervalloDate(Dal->date(), Al->date());
    } else {
        intervallo_ = IntervalloDate::periodo(p, oggi_);
        const QSignalBlocker d(Dal), a(Al);
        Dal->setDate(intervallo_.dal());
        Al->setDate(intervallo_.al());
    }
    emit cambiato();
}
