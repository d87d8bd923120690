// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/widgets/ColouredArea.h"

#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Switching the class record on: the class's names, typed, pasted or loaded
// from a file, and the teacher's password twice. The names, and that the
// two passwords are one, are checked here; the keys (and the password's own
// rules) are left to whoever listens, which answers with the recovery code
// or the reason.
class PannelloAttivazione : public ColouredArea {
    Q_OBJECT

public:
    // A file to open, asked of the teacher; tests answer in place of the dialog.
    using ApriFile = std::function<QString(QWidget*)>;

    explicit PannelloAttivazione(QWidget* parent = nullptr);
    void setApriFile(ApriFile apri);

    // The record is on: the code is shown once, until "Ho scritto il codice".
    void mostraCodice(const QString& codice);
    void mostraErrore(const QString& errore);

    QPlainTextEdit* Nomi;
    QPushButton* BottoneCarica;
    QLineEdit* Password;
    QLineEdit* Ripeti;
    QPushButton* BottoneAttiva;
    QLabel* Esito;
    QLabel* Codice;
    QPushButton* BottoneFatto;

signals:
    void attivazioneChiesta(const QStringList& nomi, const QString& password);
    void codiceScritto();

private:
    void carica();
    void attiva();

    ApriFile apriFile_;
};

// Opening the record: the password, or the recovery code with a new
// password for a teacher who forgot it.
class PannelloApertura : public ColouredArea {
    Q_OBJECT

public:
    explicit PannelloApertura(QWidget* parent = nullptr);
    void mostraErrore(const QString& errore);
    // Empties the passwords and the code, for the next time.
    void pulisci();

    QLineEdit* Password;
    QPushButton* BottoneApri;
    QLineEdit* Codice;
    QLineEdit* Nuova;
    QLineEdit* Ripeti;
    QPushButton* BottoneCambia;
    QLabel* Esito;

signals:
    void aperturaChiesta(const QString& password);
    void recuperoChiesto(const QString& codice, const QString& nuovaPassword);
};
