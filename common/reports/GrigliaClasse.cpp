// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrigliaClasse.h"

#include "TestiRegistro.h"

#include "common/FinestraId.h"

GrigliaClasse::GrigliaClasse(QObject* parent) : QAbstractTableModel(parent) {}

void GrigliaClasse::imposta(RiepilogoClasse riepilogo) {
    beginResetModel();
    riepilogo_ = std::move(riepilogo);
    endResetModel();
}

void GrigliaClasse::setMisura(Misura misura) {
    if (misura == misura_)
        return;
    misura_ = misura;
    if (rowCount() > 0)
        emit dataChanged(index(0, colonnaAlunno + 1), index(rowCount() - 1, colonnaTutti));
}

QString GrigliaClasse::alunno(int riga) const {
    return riga >= 0 && riga < riepilogo_.alunni.size() ? riepilogo_.alunni[riga].nome : QString();
}

int GrigliaClasse::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(riepilogo_.alunni.size());
}

int GrigliaClasse::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colonnaTutti + 1;
}

const ConteggiRisposte* GrigliaClasse::conteggi(const QModelIndex& indice, QDate* ultimo) const {
    const RiepilogoClasse::Alunno& a = riepilogo_.alunni[indice.row()];
    if (indice.column() == colonnaTutti) {
        *ultimo = a.ultimoGiorno;
        return &a.tutti;
    }
    if (indice.column() == colonnaAlunno)
        return nullptr;
    *ultimo = a.ultimiGiorni[indice.column() - 1];
    return &a.esercizi[indice.column() - 1];
}

QString GrigliaClasse::testo(const ConteggiRisposte& c, QDate ultimo) const {
    switch (misura_) {
    case Misura::Quota:
        return TestiRegistro::percentuale(c.quota());
    case Misura::UltimoGiorno:
        return TestiRegistro::giorno(ultimo);
    case Misura::Risposte:
        break;
    }
    return QString::number(c.risposte);
}

QVariant GrigliaClasse::data(const QModelIndex& indice, int ruolo) const {
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid))
        return {};
    QDate ultimo;
    const ConteggiRisposte* c = conteggi(indice, &ultimo);
    if (!c) {
        const QString& nome = riepilogo_.alunni[indice.row()].nome;
        if (ruolo == Qt::DisplayRole || ruolo == RuoloOrdine || ruolo == Qt::AccessibleTextRole)
            return nome;
        return {};
    }
    switch (ruolo) {
    case Qt::DisplayRole:
        return testo(*c, ultimo);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2: %3 risposte, giuste al primo tentativo %4, ultimo giorno %5")
            .arg(riepilogo_.alunni[indice.row()].nome,
                 headerData(indice.column(), Qt::Horizontal, Qt::ToolTipRole).toString())
            .arg(c->risposte)
            .arg(TestiRegistro::percentuale(c->quota()), TestiRegistro::giorno(ultimo));
    case RuoloRisposte:
        return c->risposte;
    case RuoloQuota:
        return c->quota() ? QVariant(*c->quota()) : QVariant();
    case RuoloUltimoGiorno:
        return ultimo.isValid() ? QVariant(ultimo) : QVariant();
    case RuoloOrdine:
        // Numbers, so that 10 comes after 9; a cell with nothing below 0.
        switch (misura_) {
        case Misura::Quota:
            return c->quota().value_or(-1.0);
        case Misura::UltimoGiorno:
            return ultimo.isValid() ? ultimo.toJulianDay() : qint64(-1);
        case Misura::Risposte:
            break;
        }
        return c->risposte;
    default:
        return {};
    }
}

QVariant GrigliaClasse::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso == Qt::Vertical) {
        if (ruolo == Qt::DisplayRole)
            return sezione + 1;
        return {};
    }
    const bool pieno = ruolo == Qt::ToolTipRole || ruolo == Qt::AccessibleTextRole;
    if (ruolo != Qt::DisplayRole && !pieno)
        return {};
    if (sezione == colonnaAlunno)
        return QStringLiteral("Alunno");
    if (sezione == colonnaTutti)
        return pieno ? QStringLiteral("Tutti gli esercizi") : QStringLiteral("Tutti");
    if (sezione < colonnaAlunno || sezione > colonnaTutti)
        return {};
    return pieno ? QString::fromUtf8(titoloEsercizio(formEs(sezione)))
                 : TestiRegistro::breve(sezione);
}
