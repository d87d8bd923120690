// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

// The program's command line. It is read before any window system is
// asked for, so that the options that need no window (--help, the class
// figures for a school's technician) work without a display.
namespace RigaComando {

enum class Azione {
    Programma,
    Insegnante, // the teacher's area
    Figure,     // the teacher's area, on the class's figures
    Aiuto,
    NuovaFigura,
    TogliFigura,
    ElencaFigure,
    Impostazioni, // the settings in force, and where each comes from
    Errore
};

struct Scelta {
    Azione azione = Azione::Programma;
    bool schermoIntero = false;
    QByteArray disegno; // the drawing's path as the system spells it
    QChar lettera;
    QString errore; // one line, for Azione::Errore
};

// argomenti: the arguments after the program's name. The toolkit's own
// options (-platform xcb, -display :1, ...) pass through.
Scelta leggi(const QStringList& argomenti);

QString uso();

} // namespace RigaComando
