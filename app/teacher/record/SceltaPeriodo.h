// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/reports/IntervalloDate.h"

#include <QObject>
#include <QRect>

class QComboBox;
class QDateEdit;

// The record's range of days, chosen on a page: a period (today, this week,
// this month, the school year, two dates) and the two days, which the
// teacher types only for "Tra due date" and which otherwise show the
// period's bounds.
class SceltaPeriodo : public QObject {
    Q_OBJECT

public:
    struct Posti {
        QRect etichettaPeriodo, periodo, etichettaDal, dal, etichettaAl, al;
    };

    // The controls on `superficie`, on the week that holds `oggi`.
    SceltaPeriodo(QWidget* superficie, const Posti& posti, QDate oggi);

    IntervalloDate intervallo() const { return intervallo_; }

    QComboBox* Periodo;
    QDateEdit* Dal;
    QDateEdit* Al;

signals:
    void cambiato();

private:
    void scelto();

    QDate oggi_;
    IntervalloDate intervallo_;
};
