// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QHash>

class PictureButton;
class QLabel;
struct Contesto;

// The main menu: fifteen exercise buttons with their sub-captions, and "Esci".
class FormMenu : public ColouredArea {
    Q_OBJECT

public:
    explicit FormMenu(Contesto& ctx, QWidget* parent = nullptr);

    // Command1 .. Command15 by their number.
    PictureButton* Command(int number) const { return commands_.value(number); }
    // Label1(0) .. Label1(9).
    QLabel* Label1(int index) const { return labels_.value(index); }
    PictureButton* BottoneEsci;

    void Command_Click(int number);
    void BottoneEsci_Click();
    void CaricaColori();

protected:
    // The arrow keys move to the nearest button that way, besides Tab.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Contesto& ctx_;
    QHash<int, PictureButton*> commands_;
    QHash<int, QLabel*> labels_;
    QHash<int, FinestraId> targets_;
};
