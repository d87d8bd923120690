// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

// How the record's figures read on the screen and on paper, the same in both.
namespace TestiRegistro {

inline const QString nessuno = QStringLiteral("–");

// "75%", rounded; a dash without a first try.
inline QString percentuale(std::optional<double> quota) {
    return quota ? QStringLiteral("%1%").arg(qRound(*quota * 100)) : nessuno;
}

// "09/12/2026"; a dash for no day.
inline QString giorno(QDate d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : nessuno;
}

// "Es. 2": an exercise's short name in a column's head.
inline QString breve(int numero) {
    return QStringLiteral("Es. %1").arg(numero);
}

// "Classe 3ª B · risposte dal ..." or the text alone without a class.
inline QString conClasse(const QString& classe, const QString& testo) {
    return classe.trimmed().isEmpty() ? testo : classe.simplified() + QStringLiteral(" · ") + testo;
}

} // namespace TestiRegistro
