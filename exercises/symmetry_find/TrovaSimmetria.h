// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/frame/FinestraEsercizio.h"

#include <QList>

#include <array>

class ImageBox;

// Find the symmetry: a model figure beside a red axis, and eight candidates
// showing its eight views; the pupil picks its mirror image in the axis.
// FormEs1, FormEs7, FormEs14 and FormEs15 are this window, each with its axis,
// its layout and its partner table.
// FiguraGiusta holds the index of the candidate drawn as the model.
class TrovaSimmetria : public FinestraEsercizio {
    Q_OBJECT

public:
    struct Parametri {
        FinestraId id;
        // partner[m - 1]: the picture number of model m's mirror image.
        std::array<int, 8> partner;
        LayoutCornice cornice;
        Linea asse;
        QPoint modello;        // Image2(0), twips
        QPoint risposta;       // Image2(1), twips
        QList<QPoint> caselle; // Image1(0..7), twips
    };

    static const QList<Parametri>& finestre();

    TrovaSimmetria(Contesto& ctx, const Parametri& parametri);

    const Parametri& parametri() const { return parametri_; }

    void preparaEsercizio(QChar lettera) override;
    void Image1_Click(std::int16_t index);

    QList<ImageBox*> Image1; // candidates
    QList<ImageBox*> Image2; // model (0) and answer (1)

    // Not controls: the exercise being played, as its answer check reads it.
    std::int16_t FiguraSimmetrica = 0;

protected:
    // The model's view and the candidates.
    QString descriviEsercizio() const override;

private:
    const Parametri& parametri_;
};
