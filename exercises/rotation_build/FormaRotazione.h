#pragma once

#include "common/FinestraEsercizio.h"

#include <QList>

class ImageBox;

// Build the rotation: from a start view, the pupil picks one after the other
// the three views that continue the quarter turns in the sense of the sign.
// FormEs8 to FormEs13 are this window with 4 or 8 candidates and a fixed or
// drawn sense.
class FormaRotazione : public FinestraEsercizio {
    Q_OBJECT

public:
    // Direction code: 1 clockwise, anything else anticlockwise; drawn per
    // exercise where it has no fixed value.
    static constexpr int estratto = -1;

    struct Parametri {
        FinestraId id;
        const char* titolo;
        int candidati; // 4 or 8
        int direzione; // 1, 0 or estratto
    };

    static const QList<Parametri>& finestre();

    FormaRotazione(Contesto& ctx, const Parametri& parametri);

    void NuovoEsercizio() override;
    void Image1_Click(std::int16_t index);
    QList<QWidget*> controlliRisposta() const override;

    QList<ImageBox*> Image1; // candidates
    QList<ImageBox*> Image2; // the row being built
    QList<ImageBox*> Image3; // clockwise and anticlockwise sign, one rectangle
    bool SensoOrario = true;
    std::int16_t ProssimaCasella = 1;

private:
    void avanzaFigura();

    const Parametri& parametri_;
};
