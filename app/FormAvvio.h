// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Controlli.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QList>
#include <QRect>
#include <QSize>

class PictureButton;
class QLabel;
struct Contesto;

// Where the start window's controls stand, in twips; icons in pixels.
struct LayoutAvvio {
    QSize finestra{10515, 8355};
    QRect titolo{840, 600, 8310, 4095};
    Controlli::Carattere carattereTitolo{.faccia = Controlli::Carattere::Faccia::Arial,
                                         .punti = 72};
    QRect bottoneAvvio{2415, 4995, 4425, 1425};
    Controlli::Carattere carattereAvvio{.faccia = Controlli::Carattere::Faccia::Arial, .punti = 24};
    QSize disegnoAvvio{32, 32};
    Controlli::Carattere carattereFinestra{.faccia = Controlli::Carattere::Faccia::MsSansSerif,
                                           .punti = 8.25};
};

inline constexpr LayoutAvvio layoutAvvio{};

// The start window: the program's name and the "Avvio" button.
class FormAvvio : public ColouredArea {
    Q_OBJECT

public:
    explicit FormAvvio(Contesto& ctx, QWidget* parent = nullptr);

    void BottoneAvvio_Click();

    QList<QLabel*> Label2; // a label array with the single element 0
    PictureButton* BottoneAvvio;

private:
    Contesto& ctx_;
};
