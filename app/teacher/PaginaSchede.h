// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/widgets/ColouredArea.h"
#include "common/worksheets/Schede.h"

#include <QList>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

// "Schede", a page of the teacher's area: exercises to print for homework
// or a check, in versions for neighbours, each with its key. The preview,
// the printout and the PDF are the same sheet, drawn from one seed.
class PaginaSchede : public ColouredArea {
    Q_OBJECT

public:
    // Where to save the PDF; tests answer in place of the file dialog.
    using SceltaFile = std::function<QString(QWidget*)>;
    // Sets the printer up; false when the teacher cancels. Tests answer in
    // place of the print dialog.
    using SceltaStampante = std::function<bool(QPrinter&, QWidget*)>;

    // A new seed each time the page is made: another sheet each time.
    explicit PaginaSchede(FontiScheda fonti, quint64 seme = semeNuovo(), QWidget* parent = nullptr);
    // The pictures beside the shipped views' folder, and the class's figures
    // (the teacher's, a further folder, the school's) when it has any.
    static FontiScheda fonti(const QString& cartellaViste, const QString& cartellaFigure);
    static quint64 semeNuovo();
    void setSceltaFile(SceltaFile scelta) { sceltaFile_ = std::move(scelta); }
    void setSceltaStampante(SceltaStampante scelta) { sceltaStampante_ = std::move(scelta); }

    RichiestaScheda richiesta() const;
    // Each says how it went in Esito; true when done.
    bool aggiornaAnteprima();
    bool salvaPdf();
    bool stampa();

    QLabel* Titolo;
    QList<QSpinBox*> Quanti; // FormEs1 .. FormEs15
    QLineEdit* TitoloScheda;
    QSpinBox* Versioni;
    QCheckBox* UsaFigureClasse;
    QPushButton* BottoneAnteprima;
    QPushButton* BottoneStampa;
    QPushButton* BottoneSalva;
    QLabel* Anteprima;
    QLabel* Esito;

private:
    // The sheet the page asks for, or nothing: Esito says why.
    std::optional<FascicoloScheda> prepara();
    void esito(const QString& testo);

    FontiScheda fonti_;
    quint64 seme_;
    SceltaFile sceltaFile_;
    SceltaStampante sceltaStampante_;
};
