// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/Annotazione.h"

#include <QList>
#include <QTest>

// Keeps every entry handed to the class record, in order.
class RecordingAnnotazione : public Annotazione {
public:
    void annota(const VoceRegistro& voce) override { voci << voce; }

    // The entries of one kind.
    QList<VoceRegistro> of(VoceRegistro::Tipo tipo) const {
        QList<VoceRegistro> found;
        for (const VoceRegistro& voce : voci)
            if (voce.tipo == tipo)
                found << voce;
        return found;
    }

    QList<VoceRegistro> voci;
};

// An entry as a failed comparison prints it.
inline char* toString(const VoceRegistro& v) {
    return QTest::toString(
        QStringLiteral("{tipo %1, quando %2, %3, %4, %5%6, \"%7\", scelto %8, %9%10, %11 ms}")
            .arg(int(v.tipo))
            .arg(v.quando)
            .arg(v.alunno, v.finestra, QString(v.lettera),
                 v.figuraClasse ? QStringLiteral(" della classe") : QString(), v.mostrato, v.scelto,
                 v.giusta ? QStringLiteral("giusta") : QStringLiteral("sbagliata"),
                 v.primoTentativo ? QStringLiteral(", prima") : QString())
            .arg(v.millisecondi));
}
