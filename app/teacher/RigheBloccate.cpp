// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigheBloccate.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

const QString dallaScuola = QStringLiteral(" (impostato dalla scuola)");

void scriviTesto(QWidget* dove, const QString& testo) {
    if (auto* box = qobject_cast<QAbstractButton*>(dove))
        box->setText(testo);
    else if (auto* label = qobject_cast<QLabel*>(dove))
        label->setText(testo);
}

} // namespace

void RigheBloccate::mostra(const QSet<QString>& bloccate) const {
    for (const Riga& riga : righe_) {
        const bool bloccata = bloccate.contains(riga.chiave);
        for (QWidget* controllo : riga.controlli)
            controllo->setEnabled(!bloccata);
        scriviTesto(riga.conTesto, bloccata ? riga.testo + dallaScuola : riga.testo);
    }
}
