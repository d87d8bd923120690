// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerdettoCornice.h"

#include "LayoutCornice.h"
#include "common/Controlli.h"
#include "common/FigureMemorizzate.h"
#include "common/StatoCondiviso.h"
#include "common/platform/services/NumberText.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/PictureButton.h"

#include <QLabel>

VerdettoCornice::VerdettoCornice(QWidget& area, const LayoutCornice& layout,
                                 FigureMemorizzate& memorizzate, StatoCondiviso& stato)
    : stato_(stato) {
    const MisureCornice& misure = misureCornice;
    const auto etichetta = [&](const char* caption, QPoint at, QSize size,
                               const Controlli::Carattere& carattere, bool numero = false) {
        // A count may have five digits: it is drawn whole in its own box.
        const auto crea = numero ? Controlli::etichettaNumero : Controlli::etichetta;
        return crea(&area, QString::fromLatin1(caption), Twips::rect({at, size}),
                    Controlli::carattere(carattere), Controlli::ciano,
                    Qt::AlignLeft | Qt::AlignTop);
    };
    controlli_.Label1 = etichetta("Esatti", layout.label1, misure.label1, misure.carattereLabel);
    controlli_.Label2 = etichetta("Errati", layout.label2, misure.label2, misure.carattereLabel);
    controlli_.EtichettaEsatti = etichetta("quantiesatti", layout.etichettaEsatti,
                                           misure.etichettaEsatti, misure.carattereContatori, true);
    controlli_.EtichettaErrati = etichetta("quantierrati", layout.etichettaErrati,
                                           misure.etichettaErrati, misure.carattereContatori, true);

    const auto faccia = [&](const char* picture) {
        auto* button = new PictureButton(QString(), &area);
        button->setGeometry(Twips::rect({layout.icone, misure.icone}));
        button->setPicture(memorizzate.icona(QString::fromLatin1(picture)), misure.disegnoFacce);
        button->setFocusPolicy(Qt::NoFocus);
        button->setDecorative(true);
        return button;
    };
    controlli_.ComandoIconaSi = faccia("faccia_si");
    controlli_.ComandoIconaNo = faccia("faccia_no");
    controlli_.ComandoIconaSi->setAccessibleName(QStringLiteral("Risposta giusta"));
    controlli_.ComandoIconaNo->setAccessibleName(QStringLiteral("Risposta sbagliata"));
    controlli_.ComandoIconaSi->hide();

    auto* avanti = new PictureButton(QStringLiteral("avanti"), &area);
    avanti->setGeometry(Twips::rect(layout.bottoneAvanti));
    avanti->setFont(Controlli::carattere(misure.carattereAvanti));
    avanti->setPicture(memorizzate.icona(QStringLiteral("avanti")), misure.disegnoAvanti);
    avanti->setEnabled(false);
    // Reached by Tab once the exercise is solved, never by the mouse.
    avanti->setFocusPolicy(Qt::TabFocus);
    controlli_.BottoneAvanti = avanti;
}

void VerdettoCornice::mostra(bool giusto) {
    controlli_.ComandoIconaSi->setVisible(giusto);
    controlli_.ComandoIconaNo->setVisible(!giusto);
}

void VerdettoCornice::contaEsatto() {
    StatoCondiviso::incrementa(stato_.NumeroEsatti);
    scriviContatore(controlli_.EtichettaEsatti, QStringLiteral("Esatti"),
                    NumberText::signedForm(stato_.NumeroEsatti));
}

void VerdettoCornice::contaErrato() {
    StatoCondiviso::incrementa(stato_.NumeroErrati);
    scriviContatore(controlli_.EtichettaErrati, QStringLiteral("Errati"),
                    NumberText::signedForm(stato_.NumeroErrati));
}

void VerdettoCornice::azzeraEtichette() {
    scriviContatore(controlli_.EtichettaEsatti, QStringLiteral("Esatti"), NumberText::plainForm(0));
    scriviContatore(controlli_.EtichettaErrati, QStringLiteral("Errati"), NumberText::plainForm(0));
}

void VerdettoCornice::scriviContatore(QLabel* etichetta, const QString& nome,
                                      const QString& testo) {
    etichetta->setText(testo);
    // Setting the name tells a screen reader that it changed.
    etichetta->setAccessibleName(nome + QStringLiteral(": ") + testo.trimmed());
}
