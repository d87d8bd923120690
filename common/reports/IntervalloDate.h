// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// The days the teacher looks at, in local time: from the start of the first
// to the end of the last, both whole. An entry's moment is compared as
// milliseconds, so a range tells hundreds of thousands apart at once.
class IntervalloDate {
public:
    enum class Periodo { Oggi, Settimana, Mese, AnnoScolastico, TraDueDate };

    // Both days included; reversed, they are swapped.
    IntervalloDate(QDate dal, QDate al);
    // The period that holds `oggi`: the day itself, its week (Monday to
    // Sunday), its month, or its school year (1 September to 31 August).
    static IntervalloDate periodo(Periodo p, QDate oggi);

    QDate dal() const { return dal_; }
    QDate al() const { return al_; }
    bool contiene(qint64 quando) const { return quando >= inizio_ && quando < fine_; }
    // "dal 01/09/2026 al 31/08/2027", or "il 10/12/2026" for one day.
    QString descrizione() const;

    bool operator==(const IntervalloDate& altro) const {
        return dal_ == altro.dal_ && al_ == altro.al_;
    }

private:
    QDate dal_, al_;
    qint64 inizio_ = 0; // the first day's local midnight, in ms since 1970
    qint64 fine_ = 0;   // the local midnight after the last day
};

// The local day of a moment. Entries come mostly in order: the day found
// last is kept with its bounds, so most moments need no time-zone lookup.
class GiornoLocale {
public:
    QDate di(qint64 quando);

private:
    QDate giorno_;
    qint64 inizio_ = 0, fine_ = 0;
};
