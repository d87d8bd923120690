// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigaComando.h"

#include "common/class_figures/FigureClasse.h"
#include "common/class_figures/NuovaFigura.h"

#include <QTextStream>

#include <optional>

namespace RigaComando {

namespace {

// The toolkit's options that take a value, and those that do not.
const QStringList opzioniQtConValore = {"platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qwindowgeometry",
                                        "qwindowtitle",
                                        "qwindowicon",
                                        "display",
                                        "geometry",
                                        "style",
                                        "stylesheet",
                                        "session",
                                        "name",
                                        "title",
                                        "visual",
                                        "ncols"};
const QStringList opzioniQt = {"reverse",     "nograb", "dograb",       "sync",
                               "widgetcount", "cmap",   "qmljsdebugger"};

Scelta errore(const QString& testo) {
    Scelta s;
    s.azione = Azione::Errore;
    s.errore = QStringLiteral("vortelia: ") + testo +
               QStringLiteral(" (vortelia --help elenca le opzioni)");
    return s;
}

// A letter a-z, in either case.
std::optional<QChar> lettera(const QString& testo) {
    if (testo.size() != 1)
        return std::nullopt;
    const QChar c = testo.at(0).toLower();
    if (c < QLatin1Char('a') || c > QLatin1Char('z'))
        return std::nullopt;
    return c;
}

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

Scelta leggi(const QStringList& argomenti) {
    Scelta scelta;
    bool nuova = false;
    std::optional<QChar> perLettera;
    const auto azione = [&](Azione a) {
        if (scelta.azione != Azione::Programma && scelta.azione != a)
            return false;
        scelta.azione = a;
        return true;
    };
    // Whoever asks for help gets it, whatever else the line holds.
    if (argomenti.contains(QLatin1String("--help")) || argomenti.contains(QLatin1String("-h"))) {
        scelta.azione = Azione::Aiuto;
        return scelta;
    }
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString arg = argomenti.at(i);
        const bool haValore = i + 1 < argomenti.size();
        if (arg == QLatin1String("--schermo-intero")) {
            scelta.schermoIntero = true;
        } else if (arg == QLatin1String("--figure")) {
            if (!azione(Azione::Figure))
                return errore(QStringLiteral("una sola azione per volta"));
        } else if (arg == QLatin1String("--elenca-figure")) {
            if (!azione(Azione::ElencaFigure))
                return errore(QStringLiteral("una sola azione per volta"));
        } else if (arg == QLatin1String("--nuova-figura")) {
            if (!haValore)
                return errore(QStringLiteral("--nuova-figura vuole il file del disegno"));
            if (!azione(Azione::NuovaFigura))
                return errore(QStringLiteral("una sola azione per volta"));
            scelta.disegno = argomenti.at(++i);
            nuova = true;
        } else if (arg == QLatin1String("--lettera") || arg == QLatin1String("--togli-figura")) {
            if (!haValore || !lettera(argomenti.at(i + 1)))
                return errore(arg + QStringLiteral(" vuole una lettera, da a a z"));
            const QChar l = *lettera(argomenti.at(++i));
            if (arg == QLatin1String("--lettera")) {
                perLettera = l;
            } else {
                if (!azione(Azione::TogliFigura))
                    return errore(QStringLiteral("una sola azione per volta"));
                scelta.lettera = l;
            }
        } else if (arg.startsWith(QLatin1Char('-'))) {
            // -platform xcb or --platform=xcb: the toolkit reads those itself.
            QString nome = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool conUguale = nome.contains(QLatin1Char('='));
            nome = nome.section(QLatin1Char('='), 0, 0);
            if (opzioniQtConValore.contains(nome)) {
                if (!conUguale && !haValore)
                    return errore(QStringLiteral("manca il valore di ") + arg);
                if (!conUguale)
                    ++i;
            } else if (!opzioniQt.contains(nome)) {
                return errore(QStringLiteral("opzione sconosciuta: ") + arg);
            }
        } else {
            return errore(QStringLiteral("argomento sconosciuto: ") + arg);
        }
    }
    if (nuova && !perLettera)
        return errore(QStringLiteral("--nuova-figura vuole anche --lettera, da a a z"));
    if (perLettera && !nuova)
        return errore(QStringLiteral("--lettera va con --nuova-figura"));
    if (nuova)
        scelta.lettera = *perLettera;
    return scelta;
}

QString uso() {
    return QStringLiteral(
        "Uso: vortelia [OPZIONE]\n"
        "Esercizi di rotazioni e simmetrie di figure per la scuola primaria.\n"
        "\n"
        "  --schermo-intero         ogni finestra si apre a schermo intero\n"
        "  --figure                 apre la finestra \"Figure della classe\" per l'insegnante\n"
        "  --nuova-figura DISEGNO --lettera x\n"
        "                           fa del disegno (PNG, JPEG o SVG) la figura della lettera x,\n"
        "                           se le sue otto viste sono tutte diverse\n"
        "  --togli-figura x         toglie la figura della classe della lettera x: torna\n"
        "                           quella della scuola o quella del programma\n"
        "  --elenca-figure          dice di chi è la figura di ogni lettera\n"
        "  --help                   mostra questo aiuto\n"
        "\n"
        "Le figure della classe stanno nella cartella dei dati dell'utente\n"
        "(~/.local/share/Vortelia/figure); quelle della scuola in Vortelia/figure\n"
        "dentro una cartella di XDG_DATA_DIRS, ad esempio /usr/local/share. Per\n"
        "salvare una figura per tutta la scuola:\n"
        "  sudo XDG_DATA_HOME=/usr/local/share vortelia --nuova-figura DISEGNO --lettera x\n"
        "\n"
        "Uscita: 0 fatto, 1 non fatto (il motivo è scritto), 2 riga di comando sbagliata.\n");
}

bool senzaFinestre(Azione azione) {
    return azione != Azione::Programma && azione != Azione::Figure;
}

int esegui(const Scelta& scelta, const FigureClasse& classe, QTextStream& out, QTextStream& err) {
    switch (scelta.azione) {
    case Azione::Aiuto:
        out << uso();
        return 0;
    case Azione::Errore:
        err << scelta.errore << '\n';
        return 2;
    case Azione::ElencaFigure:
        for (char c = 'a'; c <= 'z'; ++c)
            out << c << "  " << origine(classe, QLatin1Char(c)) << '\n';
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
        const NuovaFigura figura = NuovaFigura::da(scelta.disegno);
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
    case Azione::Figure:
        break;
    }
    return 2;
}

} // namespace RigaComando
