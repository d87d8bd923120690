// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Controlli.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

class PictureButton;
class QLabel;
struct Contesto;

// Where "Chi sei?" puts its controls, in twips. The names' buttons fill the
// grid in columns, alphabetically down each, as large as their number allows.
struct LayoutChiSei {
    QSize finestra{9600, 7200};
    QRect titolo{120, 120, 9360, 840};
    Controlli::Carattere carattereTitolo{.faccia = Controlli::Carattere::Faccia::Arial,
                                         .punti = 27.75};
    QRect griglia{120, 1080, 9360, 5940};
    int righe = 15;                   // names a column holds
    int colonne = 4;                  // columns at most
    QSize spazio{120, 60};            // between columns, between rows
    QSize pulsanteMassimo{6000, 735}; // a button with few names
    QSize margine{60, 30};            // each side of a caption in its button
    // The names' font at most: every name has the largest size in which the
    // longest name fits its button, but one name much longer than the others
    // makes only its own smaller, below puntiComuni.
    Controlli::Carattere caratterePulsanti{.faccia = Controlli::Carattere::Faccia::Arial,
                                           .punti = 18};
    qreal puntiComuni = 9;
    Controlli::Carattere carattereFinestra{.faccia = Controlli::Carattere::Faccia::MsSansSerif,
                                           .punti = 8.25};

    constexpr int massimoNomi() const { return righe * colonne; }
};

inline constexpr LayoutChiSei layoutChiSei{};

// "Chi sei?": with the class record on, the pupil picks their own name
// before the menu. Tab and the arrows move between the names, Enter or Space
// picks one, Escape goes back to the start window.
class FormChiSei : public ColouredArea {
    Q_OBJECT

public:
    explicit FormChiSei(Contesto& ctx, QWidget* parent = nullptr);

    // The names as an Italian class list reads them: alphabetically, without
    // regard to case or accents first; each name once, none empty.
    static QStringList inOrdine(const QStringList& nomi);
    // Where the i-th of n names stands, in twips.
    static QRect posto(int i, int n);

    QLabel* Titolo;
    QList<PictureButton*> BottoneNome; // alphabetically

    void BottoneNome_Click(int indice);
    void Esci();

signals:
    // The pupil said who they are.
    void scelto(const QString& alunno);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The arrow keys move to the nearest name that way, besides Tab.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Contesto& ctx_;
    QStringList nomi_; // as the buttons show them
};
