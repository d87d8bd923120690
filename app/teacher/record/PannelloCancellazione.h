// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/widgets/ColouredArea.h"
#include "common/record/CancellazioniRegistro.h"

#include <QStringList>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

// Erasing from the class record: one pupil's answers, every day up to one
// (the end of the school year), or the whole record. The page only says
// what is asked, in words the question to the teacher can use.
class PannelloCancellazione : public ColouredArea {
    Q_OBJECT

public:
    PannelloCancellazione(const QStringList& alunni, QDate oggi, QWidget* parent = nullptr);
    void mostraEsito(const QString& esito);

    QComboBox* Alunno;
    QPushButton* BottoneAlunno;
    QDateEdit* Giorno;
    QPushButton* BottoneGiorno;
    QPushButton* BottoneTutto;
    QPushButton* BottoneIndietro;
    QLabel* Esito;

signals:
    // descrizione: "tutte le risposte di Anna", for "Cancellare per sempre ...?"
    void cancellazioneChiesta(const Cancellazione& cancellazione, const QString& descrizione);
    void indietro();
};
