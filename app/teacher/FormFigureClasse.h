// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutFigureClasse.h"
#include "common/class_figures/FigureClasse.h"
#include "common/class_figures/NuovaFigura.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class GrigliaLettere;
class ImageBox;
class MessageBoxService;
class QComboBox;
class QLabel;
class QPushButton;

// "Figure della classe", a page of the teacher's area: the teacher sees the 26 figures as the
// exercises use them, marks which are the class's own, turns a drawing into a figure after seeing
// its eight views and the verdict, and removes a class figure to bring back the shipped one. The
// pupils' windows never lead here.
class FormFigureClasse : public ColouredArea {
    Q_OBJECT

public:
    // cartellaViste: the shipped views' folder; messaggi asks before a class
    // figure is removed.
    FormFigureClasse(FigureClasse classe, QString cartellaViste, MessageBoxService& messaggi,
                     QWidget* parent = nullptr);
    ~FormFigureClasse() override;

    // Asks which drawing to open; tests answer in place of the file dialog.
    using SceltaFile = std::function<QString(QWidget*)>;
    void setSceltaFile(SceltaFile scelta) { sceltaFile_ = std::move(scelta); }

    void apriDisegno(const QString& percorso);
    void scegliLettera(QChar lettera);
    QChar lettera() const;
    // Reads again which figure each letter has now.
    void aggiorna();
    // The class's figures are now those.
    void setClasse(FigureClasse classe) {
        classe_ = std::move(classe);
        aggiorna();
    }

    QLabel* Titolo;
    QList<ImageBox*> Lettere;   // a to z
    QList<QLabel*> NomiLettere; // under each figure
    QComboBox* SceltaLettera;
    QPushButton* BottoneApri;
    QList<ImageBox*> Viste; // the opened drawing's views 1-8
    QLabel* Verdetto;
    QPushButton* BottoneSalva;
    QPushButton* BottoneTogli;
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

    std::unique_ptr<GrigliaLettere> griglia_;
    FigureClasse classe_;
    MessageBoxService& messaggi_;
    QString cartellaViste_;
    SceltaFile sceltaFile_;
    std::optional<NuovaFigura> figura_;
};
