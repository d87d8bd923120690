// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/frame/Estrazioni.h"
#include "common/frame/FinestraEsercizio.h"

#include <QList>

class ImageBox;

// Build the rotation: from a start view, the pupil picks one after the other
// the three views that continue the quarter turns in the sense of the sign.
// FormEs8 to FormEs13 are this window with 4 or 8 candidates and a fixed or
// drawn sense.
// FiguraGiusta holds the picture number of the view the pupil must pick next.
class FormaRotazione : public FinestraEsercizio {
    Q_OBJECT

public:
    // Where everything stands with 4 or with 8 candidates, in twips.
    struct Disposizione {
        LayoutCornice cornice;
        Linea separatore;
        QList<QPoint> caselle; // Image1(0..N-1)
        QRect segni;           // both signs, one over the other
    };

    struct Parametri {
        FinestraId id;
        const Disposizione* disposizione; // with 4 or 8 candidates
        Estrazioni::Senso senso;          // fixed, or drawn before the start view
    };

    static const QList<Parametri>& finestre();

    FormaRotazione(Contesto& ctx, const Parametri& parametri);

    const Parametri& parametri() const { return parametri_; }

    void preparaEsercizio(QChar lettera) override;
    void Image1_Click(std::int16_t index);

    QList<ImageBox*> Image1; // candidates
    QList<ImageBox*> Image2; // the row being built
    QList<ImageBox*> Image3; // clockwise and anticlockwise sign, one rectangle

    // Not controls: the exercise being played, as its answer check reads it.
    bool SensoOrario = true;
    std::int16_t ProssimaCasella = 1;

protected:
    // The start view, the sense and the candidates.
    QString descriviEsercizio() const override;

private:
    void avanzaFigura();

    const Parametri& parametri_;
};
