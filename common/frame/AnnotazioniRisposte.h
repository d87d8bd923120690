// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"

#include <QChar>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtGlobal>

class Registrazione;

// What an exercise window hands the class record: one entry per answer
// judged, with the time from the exercise appearing to the answer and
// whether it was the first answer to that exercise.
class AnnotazioniRisposte {
public:
    AnnotazioniRisposte(const Registrazione& registrazione, FinestraId finestra);

    // Whether anything is handed on: the window need not describe its exercises.
    bool attive() const;
    // A new exercise is being set up: none of its answers given yet.
    void nuovoEsercizio();
    // Its set-up is complete and on the screen: the time runs from now.
    void esercizioPronto(QChar lettera, bool figuraClasse, QString mostrato);
    // A box was clicked, by mouse, key or screen reader: the answer about to be judged.
    void premuta(QWidget& controllo);
    // An answer judged: the control last clicked, by its place among the
    // answer controls in reading order.
    void risposta(bool giusta, const QList<QWidget*>& controlliInOrdine);

    // Views by their numbers, as an entry words them: "3 1 4 2".
    static QString numeri(const QList<int>& viste);
    // The views the candidates among these controls show: "candidati 3 1 4 2";
    // empty when none shows a view.
    static QString candidati(const QList<QWidget*>& controlli);
    // "senso orario" or "senso antiorario".
    static QString senso(bool orario);
    // The `quante` views that lead, turn by turn, to view `ultima` (not included).
    static QList<int> vistePrima(int ultima, bool orario, int quante);

private:
    const Registrazione& registrazione_;
    QString finestra_;
    QChar lettera_;
    bool figuraClasse_ = false;
    QString mostrato_;
    bool primo_ = true;
    QPointer<QWidget> premuta_;
    qint64 inizio_ = 0;
};
