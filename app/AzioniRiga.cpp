// SPDX-License-Identifier: GPL-3.0-or-later
#include "AzioniRiga.h"

#include "RigaRegistro.h"
#include "RigaScheda.h"

#include "common/class_figures/FigureClasse.h"
#include "common/class_figures/NuovaFigura.h"
#include "common/views/ConvenzioneFigure.h"

#include <QTextStream>

namespace AzioniRiga {

using RigaComando::Azione;
using RigaComando::Scelta;

namespace {

QString origine(const FigureClasse& classe, QChar l) {
    switch (classe.origine(l)) {
    case FigureClasse::Origine::Programma:
        return QStringLiteral("del programma");
    case FigureClasse::Origine::Scuola:
        return QStringLiteral("della scuola     ") + classe.cartellaUsata(l);
    case FigureClasse::Origine::Insegnante:
        return QStringLiteral("della classe     ") + classe.cartellaUsata(l);
    }
    return {};
}

} // namespace

bool senzaFinestre(Azione azione) {
    return azione != Azione::Programma && azione != Azione::Figure && azione != Azione::Insegnante;
}

int esegui(const Scelta& scelta, const FigureClasse& classe, QTextStream& out, QTextStream& err) {
    switch (scelta.azione) {
    case Azione::Aiuto:
        out << RigaComando::uso() << RigaScheda::uso() << RigaRegistro::uso();
        return 0;
    case Azione::Errore:
        err << scelta.errore << '\n';
        return 2;
    case Azione::ElencaFigure:
        for (int l = 0; l < ConvenzioneFigure::lettere; ++l)
            out << ConvenzioneFigure::lettera(l) << "  "
                << origine(classe, ConvenzioneFigure::lettera(l)) << '\n';
        for (const QString& cartella : classe.illeggibili())
            err << QStringLiteral("La cartella %1 non si può leggere: le sue figure non si "
                                  "usano.\n")
                       .arg(cartella);
        return 0;
    case Azione::TogliFigura: {
        const QString motivo = classe.togli(scelta.lettera);
        if (!motivo.isEmpty()) {
            err << motivo << '\n';
            return 1;
        }
        out << QStringLiteral("Tolta la figura della classe della lettera %1: ora è quella %2.\n")
                   .arg(scelta.lettera)
                   .arg(origine(classe, scelta.lettera).section(QLatin1Char(' '), 0, 1));
        return 0;
    }
    case Azione::NuovaFigura: {
        const NuovaFigura figura = NuovaFigura::daPercorsoDiSistema(scelta.disegno);
        if (!figura.usabile()) {
            err << figura.verdetto() << '\n';
            return 1;
        }
        const QString motivo = classe.salva(scelta.lettera, figura.file(scelta.lettera));
        if (!motivo.isEmpty()) {
            err << motivo << '\n';
            return 1;
        }
        out << QStringLiteral("Salvata la figura della lettera %1 in %2.\n")
                   .arg(scelta.lettera)
                   .arg(classe.cartellaUsata(scelta.lettera));
        return 0;
    }
    case Azione::Programma:
    case Azione::Insegnante:
    case Azione::Figure:
    case Azione::Impostazioni: // main() has the settings
        break;
    }
    return 2;
}

} // namespace AzioniRiga
