// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntervalloDate.h"

#include <QDateTime>

namespace {

qint64 mezzanotte(QDate giorno) {
    return giorno.startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
}

QString testo(QDate giorno) {
    return giorno.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

IntervalloDate::IntervalloDate(QDate dal, QDate al)
    : dal_(std::min(dal, al)), al_(std::max(dal, al)), inizio_(mezzanotte(dal_)),
      fine_(mezzanotte(al_.addDays(1))) {}

IntervalloDate IntervalloDate::periodo(Periodo p, QDate oggi) {
    switch (p) {
    case Periodo::Settimana: {
        const QDate lunedi = oggi.addDays(1 - oggi.dayOfWeek());
        return {lunedi, lunedi.addDays(6)};
    }
    case Periodo::Mese: {
        const QDate primo(oggi.year(), oggi.month(), 1);
        return {primo, primo.addMonths(1).addDays(-1)};
    }
    case Periodo::AnnoScolastico: {
        const QDate settembre(oggi.month() >= 9 ? oggi.year() : oggi.year() - 1, 9, 1);
        return {settembre, settembre.addYears(1).addDays(-1)};
    }
    case Periodo::Oggi:
    case Periodo::TraDueDate:
        break;
    }
    return {oggi, oggi};
}

QString IntervalloDate::descrizione() const {
    if (dal_ == al_)
        return QStringLiteral("il %1").arg(testo(dal_));
    return QStringLiteral("dal %1 al %2").arg(testo(dal_), testo(al_));
}

QDate GiornoLocale::di(qint64 quando) {
    if (!giorno_.isValid() || quando < inizio_ || quando >= fine_) {
        giorno_ = QDateTime::fromMSecsSinceEpoch(quando, Qt::LocalTime).date();
        inizio_ = mezzanotte(giorno_);
        fine_ = mezzanotte(giorno_.addDays(1));
    }
    return giorno_;
}
