// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FigureClasse.h"
#include "common/NuovaFigura.h"
#include "common/platform/ColouredArea.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class ImageBox;
class QComboBox;
class QLabel;
class QPushButton;

// Where the teacher's window places its controls, in pixels at normal size.
struct LayoutFigureClasse {
    QSize finestra{940, 620};
    QRect titolo{20, 12, 900, 40};
    QPoint griglia{24, 70}; // the first letter's figure
    int colonne = 7;
    int latoLettera = 64;
    QSize passoLettera{78, 96}; // from one letter's figure to the next
    int altezzaNome = 22;       // the letter's name under its figure
    QRect nota{24, 470, 530, 130};
    QRect etichettaLettera{590, 70, 90, 30};
    QRect sceltaLettera{680, 70, 120, 30};
    QRect apri{590, 112, 330, 34};
    QPoint viste{590, 160}; // view 1; views 1-4 on one row, 5-8 on the next
    int latoVista = 74;
    int passoVista = 86;
    QRect verdetto{590, 336, 330, 118};
    QRect salva{590, 462, 330, 34};
    QRect togli{590, 504, 330, 34};
    QRect chiudi{590, 566, 330, 34};
};

inline const LayoutFigureClasse layoutFigureClasse{};

// "Figure della classe": the teacher sees the 26 figures as the exercises
// use them, marks which are the class's own, turns a drawing into a figure
// after seeing its eight views and the verdict, and removes a class figure
// to bring back the shipped one. The pupils' windows never lead here.
class FormFigureClasse : public ColouredArea {
    Q_OBJECT

public:
    // cartellaViste: the shipped views' folder.
    FormFigureClasse(FigureClasse classe, QString cartellaViste, QWidget* parent = nullptr);

    // Asks which drawing to open; tests answer in place of the file dialog.
    using SceltaFile = std::function<QString(QWidget*)>;
    void setSceltaFile(SceltaFile scelta) { sceltaFile_ = std::move(scelta); }

    void apriDisegno(const QString& percorso);
    void scegliLettera(QChar lettera);
    QChar lettera() const;
    // Reads again which figure each letter has now.
    void aggiorna();

    QLabel* Titolo;
    QList<ImageBox*> Lettere;   // a to z
    QList<QLabel*> NomiLettere; // under each figure
    QComboBox* SceltaLettera;
    QPushButton* BottoneApri;
    QList<ImageBox*> Viste; // the opened drawing's views 1-8
    QLabel* Verdetto;
    QPushButton* BottoneSalva;
    QPushButton* BottoneTogli;
    QPushButton* BottoneChiudi;
    QLabel* Nota;

    void BottoneApri_Click();
    void BottoneSalva_Click();
    void BottoneTogli_Click();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mostraEsito(const QString& testo);
    void aggiornaBottoni();

    FigureClasse classe_;
    QString cartellaViste_;
    SceltaFile sceltaFile_;
    std::optional<NuovaFigura> figura_;
};
