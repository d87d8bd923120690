// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QtGlobal>

// One entry of the class record: an answer, or a pupil starting or stopping.
// Only the teacher can read it once written (see ChiaviRegistro).
struct VoceRegistro {
    enum class Tipo : quint8 { Risposta = 1, Inizio = 2, Fine = 3 };
    Tipo tipo = Tipo::Risposta;
    // 16 random bytes, unique on every PC, cloned or not; the record sets it
    // when empty. The same entry read twice (from a PC and from the lab's
    // folder) is one entry.
    QByteArray id;
    qint64 quando = 0; // milliseconds since 1970, UTC
    QString alunno;    // as the class's list spells it
    // The rest is for answers only.
    QString finestra;          // the exercise window's name: "FormEs2"
    QChar lettera;             // the figure's letter
    bool figuraClasse = false; // the class's own figure, not a shipped one
    QString mostrato;          // what the window showed, as the window words it
    QString scelto;            // the candidate picked, by its place, from 1
    bool giusta = false;
    bool primoTentativo = false; // the first answer to this exercise
    qint32 millisecondi = 0;     // from the exercise appearing to the answer

    bool operator==(const VoceRegistro&) const = default;
};
