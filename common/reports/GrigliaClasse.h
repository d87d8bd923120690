// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RiepilogoClasse.h"

#include <QAbstractTableModel>

// The class at a glance: a row per pupil, a column per exercise and one for
// them all; each cell shows one measure (answers, share right at the first
// try, or last day) and tells all three to a tooltip and a screen reader.
// RuoloOrdine gives the shown measure as a number, to sort by.
class GrigliaClasse : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Misura { Risposte, Quota, UltimoGiorno };
    enum Ruolo {
        RuoloOrdine = Qt::UserRole + 1,
        RuoloRisposte,     // int
        RuoloQuota,        // double 0 to 1, or nothing without a first try
        RuoloUltimoGiorno, // QDate, or nothing
    };
    static constexpr int colonnaAlunno = 0;
    static constexpr int colonnaTutti = RiepilogoClasse::esercizi + 1;

    explicit GrigliaClasse(QObject* parent = nullptr);

    void imposta(RiepilogoClasse riepilogo);
    const RiepilogoClasse& riepilogo() const { return riepilogo_; }
    void setMisura(Misura misura);
    Misura misura() const { return misura_; }
    QString alunno(int riga) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation verso,
                        int ruolo = Qt::DisplayRole) const override;

private:
    // The cell's answers and last day; nothing for the name column.
    const ConteggiRisposte* conteggi(const QModelIndex& indice, QDate* ultimo) const;
    QString testo(const ConteggiRisposte& c, QDate ultimo) const;

    RiepilogoClasse riepilogo_{IntervalloDate({}, {}), {}};
    Misura misura_ = Misura::Risposte;
};
