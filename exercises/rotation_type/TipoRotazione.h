// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Controlli.h"
#include "common/frame/FinestraEsercizio.h"

#include <QList>

class FrameShape;
class ImageBox;
class QLabel;

// Indicate the type of rotation (FormEs4): four views of a figure turning one
// way; the pupil answers with the clockwise or the anticlockwise sign, and a
// right answer frames that sign in red.
// FiguraGiusta holds the picture number of the last of the four views.
class TipoRotazione : public FinestraEsercizio {
    Q_OBJECT

public:
    struct Didascalia {
        const char* testo;
        QRect rettangolo; // twips
        Controlli::Carattere carattere;
    };

    // Where everything stands, in twips; the red frames' width in pixels.
    struct Disposizione {
        int altoRiga;
        Linea separatore;
        QRect segnoOrario;     // Image1, framed by Shape1
        QRect segnoAntiorario; // Image3, framed by Shape2
        int spessoreCornice;
        QRgb coloreCornice;
        Didascalia orario;     // Label3(0)
        Didascalia antiorario; // Label3(1)
    };

    static const Disposizione& disposizione();

    explicit TipoRotazione(Contesto& ctx);

    void preparaEsercizio(QChar lettera) override;
    // Its own: the signs are disabled before the count.
    void Esatto() override;
    void Image1_Click();
    void Image3_Click();
    // The two signs.
    QList<QWidget*> controlliRisposta() const override;

    QList<ImageBox*> Image2; // the four views
    ImageBox* Image1;        // clockwise sign
    ImageBox* Image3;        // anticlockwise sign
    FrameShape* Shape1;
    FrameShape* Shape2;
    QList<QLabel*> Label3;

    // Not controls: the exercise being played, as its answer check reads it.
    bool SensoOrario = true;

protected:
    // The four views, the sense and the two signs in reading order.
    QString descriviEsercizio() const override;
};
