#pragma once

#include "common/platform/AreaColorata.h"
#include <QList>

class PictureButton;
class QLabel;
struct Contesto;

// The start window: the program's name and the "Avvio" button.
class FormAvvio : public AreaColorata {
    Q_OBJECT

public:
    explicit FormAvvio(Contesto& ctx, QWidget* parent = nullptr);

    void BottoneAvvio_Click();

    QList<QLabel*> Label2; // a label array with the single element 0
    PictureButton* BottoneAvvio;

private:
    Contesto& ctx_;
};
