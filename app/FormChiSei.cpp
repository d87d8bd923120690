// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormChiSei.h"

#include "common/Colori.h"
#include "common/Contesto.h"
#include "common/Controlli.h"
#include "common/Navigatore.h"
#include "common/Registrazione.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/FitLabel.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/ReadingOrder.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace {

int perEccesso(int a, int b) {
    return (a + b - 1) / b;
}

// The room a name has in its button.
QSize spazioNome(QSize pulsante) {
    return pulsante - 2 * Twips::size(layoutChiSei.margine);
}

// The names' font: the largest size in which every name fits its button,
// leaving out the names that would need less than the common least size.
QFont carattereNomi(const QStringList& nomi, QSize pulsante) {
    const QSize spazio = spazioNome(pulsante);
    const QFont alto = FitLabel::fitting(Controlli::carattere(layoutChiSei.caratterePulsanti),
                                         QString(), spazio.width(), spazio.height());
    QFont comune = alto;
    for (const QString& nome : nomi) {
        const QFont font = FitLabel::fitting(alto, nome, spazio.width(), spazio.height());
        if (font.pointSizeF() >= layoutChiSei.puntiComuni &&
            font.pointSizeF() < comune.pointSizeF())
            comune = font;
    }
    return comune;
}

} // namespace

QStringList FormChiSei::inOrdine(const QStringList& nomi) {
    QStringList ordinati;
    for (const QString& nome : nomi)
        if (!nome.trimmed().isEmpty() && !ordinati.contains(nome))
            ordinati << nome;
    QCollator collator{QLocale(QLocale::Italian, QLocale::Italy)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(ordinati.begin(), ordinati.end(), collator);
    return ordinati;
}

QRect FormChiSei::posto(int i, int n) {
    const LayoutChiSei& layout = layoutChiSei;
    const QRect griglia = layout.griglia;
    const int colonne = std::clamp(perEccesso(n, layout.righe), 1, layout.colonne);
    const int righe = std::max(1, perEccesso(n, colonne));
    const QSize pulsante(
        std::min(layout.pulsanteMassimo.width(),
                 (griglia.width() - (colonne - 1) * layout.spazio.width()) / colonne),
        std::min(layout.pulsanteMassimo.height(),
                 (griglia.height() - (righe - 1) * layout.spazio.height()) / righe));
    const QSize blocco(colonne * pulsante.width() + (colonne - 1) * layout.spazio.width(),
                       righe * pulsante.height() + (righe - 1) * layout.spazio.height());
    const QPoint origine = griglia.topLeft() + QPoint((griglia.width() - blocco.width()) / 2,
                                                      (griglia.height() - blocco.height()) / 2);
    const QPoint passo(pulsante.width() + layout.spazio.width(),
                       pulsante.height() + layout.spazio.height());
    return {origine + QPoint(i / righe * passo.x(), i % righe * passo.y()), pulsante};
}

FormChiSei::FormChiSei(Contesto& ctx, QWidget* parent)
    : ColouredArea(Twips::size(layoutChiSei.finestra), parent), ctx_(ctx) {
    const LayoutChiSei& layout = layoutChiSei;
    const QString titolo = QStringLiteral("Chi sei?");
    setWindowTitle(titolo);
    setFont(Controlli::carattere(layout.carattereFinestra));
    Colori::impostaSfondo(*this, Controlli::ciano);

    Titolo = Controlli::etichetta(this, titolo, Twips::rect(layout.titolo),
                                  Controlli::carattere(layout.carattereTitolo), Controlli::ciano,
                                  Qt::AlignHCenter | Qt::AlignTop);

    nomi_ = inOrdine(ctx_.registrazione.nomi()).mid(0, layout.massimoNomi());
    const QStringList& nomi = nomi_;
    const int n = int(nomi.size());
    const QSize pulsante = n ? Twips::rect(posto(0, n)).size() : QSize();
    const QFont comune = carattereNomi(nomi, pulsante);
    for (int i = 0; i < n; ++i) {
        // An ampersand is a name's own, not a shortcut's mark.
        auto* button = new PictureButton(QString(nomi[i]).replace('&', QStringLiteral("&&")), this);
        button->setObjectName(QStringLiteral("BottoneNome%1").arg(i));
        button->setAccessibleName(nomi[i]);
        button->setGeometry(Twips::rect(posto(i, n)));
        button->setFont(FitLabel::fitting(comune, nomi[i], spazioNome(pulsante).width(),
                                          spazioNome(pulsante).height()));
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { BottoneNome_Click(i); });
        BottoneNome << button;
    }
    if (!BottoneNome.isEmpty())
        BottoneNome.constFirst()->setFocus();
}

void FormChiSei::BottoneNome_Click(int indice) {
    emit scelto(nomi_.at(indice));
}

void FormChiSei::Esci() {
    ctx_.navigatore.mostra(FinestraId::FormAvvio);
}

void FormChiSei::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Esci();
        return;
    }
    ColouredArea::keyPressEvent(event);
}

bool FormChiSei::eventFilter(QObject* watched, QEvent* event) {
    const int key = ReadingOrder::arrowPressed(event);
    if (key == 0)
        return ColouredArea::eventFilter(watched, event);
    ReadingOrder::moveFocus({BottoneNome.begin(), BottoneNome.end()},
                            qobject_cast<QWidget*>(watched), key);
    return true;
}
