// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormAvvio.h"

#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/Modulo1.h"
#include "common/Navigatore.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/PictureButton.h"

#include <QIcon>
#include <QLabel>

FormAvvio::FormAvvio(Contesto& ctx, QWidget* parent)
    : ColouredArea(Twips::size(layoutAvvio.finestra), parent), ctx_(ctx) {
    const LayoutAvvio& layout = layoutAvvio;
    setWindowTitle(Modulo1::titolo());
    setWindowIcon(ctx_.memorizzate.icona(QStringLiteral("avvio")));
    setFont(Controlli::carattere(layout.carattereFinestra));

    Label2 << Controlli::etichetta(this, Modulo1::titolo(), Twips::rect(layout.titolo),
                                   Controlli::carattere(layout.carattereTitolo), Controlli::ciano,
                                   Qt::AlignHCenter | Qt::AlignTop);

    BottoneAvvio = new PictureButton(QStringLiteral("Avvio"), this);
    BottoneAvvio->setGeometry(Twips::rect(layout.bottoneAvvio));
    BottoneAvvio->setFont(Controlli::carattere(layout.carattereAvvio));
    BottoneAvvio->setPicture(ctx_.memorizzate.icona(QStringLiteral("avvio")), layout.disegnoAvvio);
    BottoneAvvio->setFocus();
    connect(BottoneAvvio, &QPushButton::clicked, this, &FormAvvio::BottoneAvvio_Click);

    // Load: a colour of the start table, never its entry 7.
    Colori::impostaSfondo(*this, Colori::coloreAvvio(ctx_.rnd));
}

void FormAvvio::BottoneAvvio_Click() {
    ctx_.navigatore.mostra(FinestraId::FormMenu);
}
