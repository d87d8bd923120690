// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RigheBloccate.h"

#include "common/platform/widgets/ColouredArea.h"
#include "common/settings/Impostazioni.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "Impostazioni", a page of the teacher's area: what the pupils' program
// does on this PC, from the next window that opens. What the school's file
// locks shows greyed, "impostato dalla scuola".
class PaginaImpostazioni : public ColouredArea {
    Q_OBJECT

public:
    // What the page shows: the values in force, the keys ("suoni/volume")
    // the school locked, and what could not be read.
    struct Stato {
        Impostazioni valori;
        QSet<QString> bloccate;
        QStringList avvisi;
    };
    using Lettura = std::function<Stato()>;
    // Saves the teacher's choices: empty when done, otherwise why not.
    using Salvataggio = std::function<QString(const Impostazioni&)>;
    // Asks for a folder; tests answer in place of the dialog.
    using SceltaCartella = std::function<QString(QWidget*, const QString& attuale)>;

    PaginaImpostazioni(Lettura lettura, Salvataggio salvataggio, QWidget* parent = nullptr);
    void setSceltaCartella(SceltaCartella scelta) { sceltaCartella_ = std::move(scelta); }

    // The choices as the page shows them now.
    Impostazioni scelte() const;
    // Whether they differ from what was read.
    bool modificate() const { return scelte() != letti_.valori; }
    // Reads the settings again and shows them.
    void rileggi();
    // Saves, and says how it went; true when saved.
    bool salva();

    QLabel* Titolo;
    QCheckBox* SuoniAttivi;
    QSpinBox* Volume;
    QCheckBox* SchermoIntero;
    QCheckBox* Blocco;
    QCheckBox* RegistroAttivo;
    QLineEdit* CartellaRegistro;
    QLineEdit* CartellaFigure;
    QList<QCheckBox*> Esercizi; // FormEs1 .. FormEs15
    QPlainTextEdit* Avvisi;     // what could not be read, one line each
    QLabel* Esito;
    QPushButton* BottoneSalva;

    // The combination that ends a program pupils cannot quit, as the page
    // and the manual name it.
    static QString tastiUscita();

signals:
    void salvate();

private:
    void mostra(const Stato& stato);
    void mostraEsito(const QString& testo);
    // At least one exercise stays: the last one ticked cannot be unticked.
    void tieniUnEsercizio();

    Lettura lettura_;
    Salvataggio salvataggio_;
    SceltaCartella sceltaCartella_;
    Stato letti_;
    RigheBloccate righe_;
};
