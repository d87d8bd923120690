// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMenu.h"

#include "VociMenu.h"

#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/Modulo1.h"
#include "common/Navigatore.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/ReadingOrder.h"
#include "common/settings/Impostazioni.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

// A sub-caption that would run past the window's edge wraps inside it; one
// that needs another line grows downwards into the free space before the next
// row, and only if that is not enough does its font shrink a little.
void adattaSottotitolo(QLabel& label, int windowWidth) {
    QRect r = label.geometry();
    r.setWidth(std::min(r.width(), windowWidth - r.left() - 2));
    const int room = Twips::toPixels(layoutMenu.spazioSottotitolo) - 1;
    QFont font = label.font();
    while (label.heightForWidth(r.width()) > room && font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
    }
    // Never below the stored height, never into the next row; a stored height
    // already taller than the room is cut to it.
    r.setHeight(std::min(std::max(label.heightForWidth(r.width()), r.height()), room));
    label.setGeometry(r);
}

} // namespace

FormMenu::FormMenu(Contesto& ctx, QWidget* parent)
    : ColouredArea(Twips::size(layoutMenu.finestra), parent), ctx_(ctx) {
    const LayoutMenu& layout = layoutMenu;
    setWindowTitle(Modulo1::titolo());
    setFont(Controlli::carattere(layout.carattereFinestra));

    for (const VoceMenu& voce : vociMenu()) {
        // A window the school does not show leaves its place empty.
        if (!ctx_.impostazioni.mostraEsercizio(numeroEsercizio(voce.apre)))
            continue;
        const int number = voce.numero;
        auto* button = new PictureButton(QString::fromUtf8(titoloEsercizio(voce.apre)), this);
        button->setObjectName(QStringLiteral("Command%1").arg(number));
        button->setGeometry(Twips::rect({voce.angolo, layout.pulsante}));
        button->setFont(Controlli::carattere(layout.caratterePulsanti));
        connect(button, &QPushButton::clicked, this, [this, number] { Command_Click(number); });
        commands_.insert(number, button);
        targets_.insert(number, voce.apre);
        if (const auto& sotto = voce.sottotitolo) {
            QLabel* label =
                Controlli::etichetta(this, QString::fromUtf8(sotto->testo),
                                     Twips::rect(sotto->rettangolo), font(), std::nullopt);
            label->setObjectName(QStringLiteral("Label1(%1)").arg(sotto->indice));
            adattaSottotitolo(*label, width());
            labels_.insert(sotto->indice, label);
        }
    }

    BottoneEsci = new PictureButton(QStringLiteral("Esci"), this);
    BottoneEsci->setObjectName(QStringLiteral("BottoneEsci"));
    BottoneEsci->setGeometry(Twips::rect(layout.bottoneEsci));
    BottoneEsci->setFont(Controlli::carattere(layout.carattereEsci));
    BottoneEsci->setPicture(ctx_.memorizzate.icona(QStringLiteral("esci")), layout.disegnoEsci);
    connect(BottoneEsci, &QPushButton::clicked, this, &FormMenu::BottoneEsci_Click);

    // Pupils who cannot quit have no way out.
    if (ctx_.impostazioni.blocco)
        BottoneEsci->hide();

    // Keyboard order, less the buttons not shown (0 stands for "Esci"); the
    // first in it has the focus when the menu opens.
    constexpr int ordine[] = {7, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    QList<QWidget*> order;
    for (const int numero : ordine)
        if (QWidget* button = numero ? Command(numero) : BottoneEsci; button && !button->isHidden())
            order << button;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QWidget* button : order)
        button->installEventFilter(this);
    if (!order.isEmpty())
        order.constFirst()->setFocus();

    CaricaColori();
}

bool FormMenu::eventFilter(QObject* watched, QEvent* event) {
    const int key = ReadingOrder::arrowPressed(event);
    if (key == 0)
        return ColouredArea::eventFilter(watched, event);
    QList<QWidget*> buttons;
    if (!BottoneEsci->isHidden())
        buttons << BottoneEsci;
    for (PictureButton* command : std::as_const(commands_))
        buttons << command;
    ReadingOrder::moveFocus(buttons, qobject_cast<QWidget*>(watched), key);
    return true;
}

void FormMenu::CaricaColori() {
    Colori::CaricaColori(*this, Colori::paletteMenu(), ctx_.rnd);
}

void FormMenu::Command_Click(int number) {
    ctx_.navigatore.mostra(targets_.value(number));
}

void FormMenu::BottoneEsci_Click() {
    Modulo1::ChiediUscita(ctx_, this);
}
