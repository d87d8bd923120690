// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelleRegistro.h"

#include "common/Controlli.h"
#include "common/FileIntero.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace TabelleRegistro {

QLabel* etichetta(QWidget* parent, const QString& testo, QRect dove, const QFont& font) {
    return Controlli::etichetta(parent, testo, dove, font, sfondoPagina,
                                Qt::AlignLeft | Qt::AlignVCenter);
}

QComboBox* scelta(QWidget* parent, const QString& nome, QRect dove, const QStringList& voci) {
    auto* c = new QComboBox(parent);
    c->setGeometry(dove);
    c->addItems(voci);
    c->setAccessibleName(nome);
    return c;
}

QPushButton* bottone(QWidget* parent, const QString& testo, QRect dove) {
    auto* b = new QPushButton(testo, parent);
    b->setGeometry(dove);
    b->setFont(Controlli::arial(11, false));
    b->setAccessibleName(QString(testo).remove(QStringLiteral("…")));
    b->setAutoDefault(true); // Enter presses the button that has the keyboard
    return b;
}

void comeTabella(QTableView& t, const QString& nome) {
    t.setAccessibleName(nome);
    t.setFont(Controlli::arial(9, false));
    t.setTabKeyNavigation(false);
    t.setSelectionBehavior(QAbstractItemView::SelectRows);
    t.setSelectionMode(QAbstractItemView::SingleSelection);
    t.setEditTriggers(QAbstractItemView::NoEditTriggers);
    t.setAlternatingRowColors(true);
    t.verticalHeader()->hide();
    t.horizontalHeader()->setHighlightSections(false);
}

QTableWidget* tabella(QWidget* parent, const QString& nome, const QStringList& teste, QRect dove) {
    auto* t = new QTableWidget(0, int(teste.size()), parent);
    t->setGeometry(dove);
    comeTabella(*t, nome);
    t->setHorizontalHeaderLabels(teste);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < teste.size(); ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return t;
}

void riga(QTableWidget& t, int r, const QStringList& celle) {
    if (r >= t.rowCount())
        t.setRowCount(r + 1);
    for (qsizetype c = 0; c < celle.size(); ++c) {
        auto* cella = new QTableWidgetItem(celle[c]);
        if (c > 0)
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        else
            cella->setToolTip(celle[c]); // whole, where the column cuts it
        t.setItem(r, int(c), cella);
    }
}

QString sceltaFile(QWidget* parent, const QString& proposto) {
    const QString estensione = QFileInfo(proposto).suffix();
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("Salva"), proposto,
        QStringLiteral("%1 (*.%2)").arg(estensione.toUpper(), estensione));
}

bool salva(QLabel& esito, const QString& file, const std::function<QString(QIODevice&)>& scrivi,
           const QString& fatto) {
    QBuffer byte;
    byte.open(QIODevice::WriteOnly);
    QString motivo = scrivi(byte);
    if (motivo.isEmpty())
        motivo = FileIntero::scrivi(file, byte.data());
    esito.setText(motivo.isEmpty() ? QStringLiteral("%1 in %2.").arg(fatto, file) : motivo);
    return motivo.isEmpty();
}

} // namespace TabelleRegistro
