#include "FormAvvio.h"

#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/Navigatore.h"
#include "common/platform/PictureButton.h"
#include "common/platform/Twips.h"

#include <QIcon>
#include <QLabel>

FormAvvio::FormAvvio(Contesto& ctx, QWidget* parent)
    : AreaColorata(QSize(Twips::toPixels(10515), Twips::toPixels(8355)), parent), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Vortelia"));
    setWindowIcon(ctx_.memorizzate.icona(QStringLiteral("avvio")));
    setFont(Controlli::msSansSerif(8.25));

    Label2 << Controlli::etichetta(this, QStringLiteral("Vortelia"),
                                   Twips::rect(840, 600, 8310, 4095), Controlli::arial(72),
                                   Controlli::ciano, Qt::AlignHCenter | Qt::AlignTop);

    BottoneAvvio = new PictureButton(QStringLiteral("Avvio"), this);
    BottoneAvvio->setGeometry(Twips::rect(2415, 4995, 4425, 1425));
    BottoneAvvio->setFont(Controlli::arial(24));
    BottoneAvvio->setPicture(ctx_.memorizzate.icona(QStringLiteral("avvio")), QSize(32, 32));
    BottoneAvvio->setFocus();
    connect(BottoneAvvio, &QPushButton::clicked, this, &FormAvvio::BottoneAvvio_Click);

    // Load: a colour of the start table, never its entry 7.
    Colori::impostaSfondo(*this, Colori::coloreAvvio(ctx_.rnd));
}

void FormAvvio::BottoneAvvio_Click() {
    ctx_.navigatore.mostra(FinestraId::FormMenu);
}
