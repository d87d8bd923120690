#include "FormMenu.h"

#include "VociMenu.h"
#include "common/Modulo1.h"

#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/Navigatore.h"
#include "common/platform/PictureButton.h"
#include "common/platform/Twips.h"

#include <QLabel>

namespace {

// A sub-caption that would run past the window's edge wraps inside it; one
// that needs another line grows downwards into the free space before the next
// row, and only if that is not enough does its font shrink a little.
void adattaSottotitolo(QLabel& label, int windowWidth) {
    QRect r = label.geometry();
    r.setWidth(std::min(r.width(), windowWidth - r.left() - 2));
    const int room = Twips::toPixels(720) - 1;
    QFont font = label.font();
    while (label.heightForWidth(r.width()) > room && font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
    }
    r.setHeight(std::clamp(label.heightForWidth(r.width()), r.height(), room));
    label.setGeometry(r);
}

} // namespace

FormMenu::FormMenu(Contesto& ctx, QWidget* parent)
    : AreaColorata(QSize(Twips::toPixels(9600), Twips::toPixels(7200)), parent), ctx_(ctx) {
    setWindowTitle(QStringLiteral("Vortelia"));
    setFont(Controlli::msSansSerif(8.25));

    for (const VoceMenu& voce : vociMenu()) {
        const int number = QByteArray(voce.nome).mid(int(sizeof("Command")) - 1).toInt();
        auto* button = new PictureButton(QString::fromUtf8(voce.didascalia), this);
        button->setObjectName(QString::fromLatin1(voce.nome));
        button->setGeometry(
            Twips::rect(voce.left, voce.top, larghezzaPulsanteMenu, altezzaPulsanteMenu));
        button->setFont(Controlli::arial(12));
        connect(button, &QPushButton::clicked, this, [this, number] { Command_Click(number); });
        commands_.insert(number, button);
        targets_.insert(number, voce.apre);
        if (voce.indiceSottotitolo >= 0) {
            const QRect r = voce.rettangoloSottotitolo;
            QLabel* label = Controlli::etichetta(this, QString::fromUtf8(voce.sottotitolo),
                                                 Twips::rect(r.x(), r.y(), r.width(), r.height()),
                                                 font(), std::nullopt);
            label->setObjectName(QStringLiteral("Label1(%1)").arg(voce.indiceSottotitolo));
            adattaSottotitolo(*label, width());
            labels_.insert(voce.indiceSottotitolo, label);
        }
    }

    BottoneEsci = new PictureButton(QStringLiteral("Esci"), this);
    BottoneEsci->setObjectName(QStringLiteral("BottoneEsci"));
    BottoneEsci->setGeometry(Twips::rect(5280, 5640, 3015, 735));
    BottoneEsci->setFont(Controlli::msSansSerif(13.5, false));
    BottoneEsci->setPicture(ctx_.memorizzate.icona(QStringLiteral("esci")), QSize(32, 32));
    connect(BottoneEsci, &QPushButton::clicked, this, &FormMenu::BottoneEsci_Click);

    // Keyboard order; the first in it has the focus when the menu opens.
    const QList<QWidget*> order = {Command(7),  BottoneEsci, Command(1),  Command(2),
                                   Command(3),  Command(4),  Command(5),  Command(6),
                                   Command(8),  Command(9),  Command(10), Command(11),
                                   Command(12), Command(13), Command(14), Command(15)};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    Command(7)->setFocus();

    CaricaColori();
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
