// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnotazioniRisposte.h"

#include "Estrazioni.h"
#include "common/Registrazione.h"
#include "common/platform/services/Clock.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/record/VoceRegistro.h"

#include <QStringList>

#include <algorithm>
#include <limits>
#include <utility>

AnnotazioniRisposte::AnnotazioniRisposte(const Registrazione& registrazione, FinestraId finestra)
    : registrazione_(registrazione),
      finestra_(QStringLiteral("FormEs%1").arg(numeroEsercizio(finestra))) {}

bool AnnotazioniRisposte::attive() const {
    return registrazione_.attiva();
}

void AnnotazioniRisposte::nuovoEsercizio() {
    primo_ = true;
    premuta_ = nullptr;
}

void AnnotazioniRisposte::esercizioPronto(QChar lettera, bool figuraClasse, QString mostrato) {
    lettera_ = lettera;
    figuraClasse_ = figuraClasse;
    mostrato_ = std::move(mostrato);
    inizio_ = registrazione_.orologio().steadyMilliseconds();
}

void AnnotazioniRisposte::premuta(QWidget& controllo) {
    premuta_ = &controllo;
}

void AnnotazioniRisposte::risposta(bool giusta, const QList<QWidget*>& controlliInOrdine) {
    const bool primo = std::exchange(primo_, false);
    if (!attive())
        return;
    const auto scelto = controlliInOrdine.indexOf(premuta_.data()) + 1;
    const qint64 trascorsi = registrazione_.orologio().steadyMilliseconds() - inizio_;
    VoceRegistro voce;
    voce.tipo = VoceRegistro::Tipo::Risposta;
    voce.finestra = finestra_;
    voce.lettera = lettera_;
    voce.figuraClasse = figuraClasse_;
    voce.mostrato = mostrato_;
    voce.scelto = scelto > 0 ? QString::number(scelto) : QString();
    voce.giusta = giusta;
    voce.primoTentativo = primo;
    voce.millisecondi =
        qint32(std::clamp<qint64>(trascorsi, 0, std::numeric_limits<qint32>::max()));
    registrazione_.annota(std::move(voce));
}

QString AnnotazioniRisposte::numeri(const QList<int>& viste) {
    QStringList testi;
    for (const int vista : viste)
        testi << QString::number(vista);
    return testi.join(QLatin1Char(' '));
}

QString AnnotazioniRisposte::candidati(const QList<QWidget*>& controlli) {
    QList<int> viste;
    for (QWidget* controllo : controlli)
        if (const auto* casella = qobject_cast<const ImageBox*>(controllo))
            if (const int vista = Estrazioni::numeroTag(*casella); vista > 0)
                viste << vista;
    return viste.isEmpty() ? QString() : QStringLiteral("candidati ") + numeri(viste);
}

QString AnnotazioniRisposte::senso(bool orario) {
    return orario ? QStringLiteral("senso orario") : QStringLiteral("senso antiorario");
}

QList<int> AnnotazioniRisposte::vistePrima(int ultima, bool orario, int quante) {
    QList<int> viste;
    for (int vista = ultima; viste.size() < quante;) {
        vista = Estrazioni::passo(vista, !orario);
        viste.prepend(vista);
    }
    return viste;
}
