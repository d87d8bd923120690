// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/frame/Estrazioni.h"
#include "common/frame/FinestraEsercizio.h"

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

class ImageBox;

// Find the rotation: three quarter-turn views of a figure and an empty fourth
// box; the pupil picks, among 4 or 8 candidates, the view that comes next.
// FormEs2, FormEs3, FormEs5 and FormEs6 are this window with their parameters.
// FiguraGiusta holds the picture number of the fourth view: the right answer.
class TrovaRotazione : public FinestraEsercizio {
    Q_OBJECT

public:
    struct Parametri {
        FinestraId id;
        int candidati; // N: pictures 1..N, first view from 1..N
        Estrazioni::Senso senso;
        Linea separatore;
        QList<QPoint> caselle;                           // Image1(0..N-1), twips
        std::optional<QRect> segnoOrario = std::nullopt; // Image3(0), when shown, twips
    };

    // The windows of the family, one row each.
    static const QList<Parametri>& finestre();

    TrovaRotazione(Contesto& ctx, const Parametri& parametri);

    const Parametri& parametri() const { return parametri_; }

    void preparaEsercizio(QChar lettera) override;
    void Image1_Click(std::int16_t index);

    QList<ImageBox*> Image1; // candidates
    QList<ImageBox*> Image2; // the sequence row
    QList<ImageBox*> Image3; // the clockwise sign, where shown

    // Not controls: the exercise being played, as its answer check reads it.
    bool SensoOrario = true;

protected:
    // The row's three views, the sense and the candidates.
    QString descriviEsercizio() const override;

private:
    const Parametri& parametri_;
};
