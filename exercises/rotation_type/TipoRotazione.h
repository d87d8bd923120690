#pragma once

#include "common/FinestraEsercizio.h"

#include <QList>

class FrameShape;
class ImageBox;
class QLabel;

// Indicate the type of rotation (FormEs4): four views of a figure turning one
// way; the pupil answers with the clockwise or the anticlockwise sign, and a
// right answer frames that sign in red.
class TipoRotazione : public FinestraEsercizio {
    Q_OBJECT

public:
    explicit TipoRotazione(Contesto& ctx);

    void NuovoEsercizio() override;
    void Image1_Click();
    void Image3_Click();
    void Esatto() override;
    void BottoneAvanti_Click() override;
    QList<QWidget*> controlliRisposta() const override;

    QList<ImageBox*> Image2; // the four views
    ImageBox* Image1;        // clockwise sign
    ImageBox* Image3;        // anticlockwise sign
    FrameShape* Shape1;
    FrameShape* Shape2;
    QList<QLabel*> Label3;
    bool SensoOrario = true;
};
