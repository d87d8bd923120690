// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigaComando.h"

#include "common/views/ConvenzioneFigure.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

#include <optional>

namespace RigaComando {

namespace {

// The toolkit's own options, which QApplication reads later from the same
// line: the parser lets them through, each with its value if it takes one.
struct OpzioneQt {
    const char* nome;
    bool valore;
};
constexpr OpzioneQt opzioniQt[] = {{"platform", true},
                                   {"platformpluginpath", true},
                                   {"platformtheme", true},
                                   {"plugin", true},
                                   {"qwindowgeometry", true},
                                   {"qwindowtitle", true},
                                   {"qwindowicon", true},
                                   {"display", true},
                                   {"geometry", true},
                                   {"style", true},
                                   {"stylesheet", true},
                                   {"session", true},
                                   {"name", true},
                                   {"title", true},
                                   {"visual", true},
                                   {"ncols", true},
                                   {"qmljsdebugger", true},
                                   {"reverse", false},
                                   {"nograb", false},
                                   {"dograb", false},
                                   {"sync", false},
                                   {"widgetcount", false},
                                   {"cmap", false}};

// An argument as an error line quotes it: a very long one is cut.
QString citato(const QString& argomento) {
    constexpr qsizetype massimo = 80;
    return argomento.size() <= massimo ? argomento
                                       : argomento.left(massimo) + QStringLiteral("...");
}

Scelta errore(const QString& testo) {
    Scelta s;
    s.azione = Azione::Errore;
    s.errore = QStringLiteral("vortelia: ") + testo +
               QStringLiteral(" (vortelia --help elenca le opzioni)");
    return s;
}

// An option's name as the parser knows it: -platform, --platform=xcb -> platform.
QString nomeDi(const QString& argomento) {
    QString nome = argomento.mid(argomento.startsWith(QLatin1String("--")) ? 2 : 1);
    return nome.section(QLatin1Char('='), 0, 0);
}

// A letter a-z, in either case.
std::optional<QChar> lettera(const QString& testo) {
    if (testo.size() != 1)
        return std::nullopt;
    const QChar c = testo.at(0).toLower();
    if (ConvenzioneFigure::indice(c) < 0)
        return std::nullopt;
    return c;
}

// The program's own options.
struct Opzioni {
    QCommandLineOption schermoIntero{QStringLiteral("schermo-intero")};
    QCommandLineOption insegnante{QStringLiteral("insegnante")};
    QCommandLineOption figure{QStringLiteral("figure")};
    QCommandLineOption impostazioni{QStringLiteral("impostazioni")};
    QCommandLineOption elenca{QStringLiteral("elenca-figure")};
    QCommandLineOption nuova{QStringLiteral("nuova-figura"), {}, QStringLiteral("disegno")};
    QCommandLineOption lettera{QStringLiteral("lettera"), {}, QStringLiteral("x")};
    QCommandLineOption togli{QStringLiteral("togli-figura"), {}, QStringLiteral("x")};
};

// Every option the parser knows: the program's, and the toolkit's, hidden.
QList<QCommandLineOption> tutte(const Opzioni& o) {
    QList<QCommandLineOption> opzioni{o.schermoIntero, o.insegnante, o.figure, o.elenca,
                                      o.nuova,         o.lettera,    o.togli,  o.impostazioni};
    for (const OpzioneQt& q : opzioniQt) {
        QCommandLineOption opzione(QString::fromLatin1(q.nome));
        if (q.valore)
            opzione.setValueName(QStringLiteral("valore"));
        opzione.setFlags(QCommandLineOption::HiddenFromHelp);
        opzioni << opzione;
    }
    return opzioni;
}

// Whether the option of that name takes a value.
bool prendeValore(const QList<QCommandLineOption>& opzioni, const QString& nome) {
    for (const QCommandLineOption& opzione : opzioni)
        if (opzione.names().contains(nome))
            return !opzione.valueName().isEmpty();
    return false;
}

// Why the parser refused the line, in the program's words: the first
// unknown option as it was written, the option at the end left without its
// value, or a value given to an option that takes none.
Scelta rifiuto(const QCommandLineParser& parser, const QList<QCommandLineOption>& opzioni,
               const QStringList& argomenti) {
    const QStringList ignote = parser.unknownOptionNames();
    const auto sconosciuta = [](const QString& argomento) {
        return errore(QStringLiteral("opzione sconosciuta: ") + citato(argomento));
    };
    if (!ignote.isEmpty()) {
        for (const QString& argomento : argomenti)
            if (argomento.startsWith(QLatin1Char('-')) && nomeDi(argomento) == ignote.first())
                return sconosciuta(argomento);
        return sconosciuta(ignote.first());
    }
    const QString ultimo = argomenti.value(argomenti.size() - 1);
    const QString nome = nomeDi(ultimo);
    if (ultimo.startsWith(QLatin1Char('-')) && !ultimo.contains(QLatin1Char('=')) &&
        prendeValore(opzioni, nome)) {
        if (nome == QLatin1String("nuova-figura"))
            return errore(QStringLiteral("--nuova-figura vuole il file del disegno"));
        if (nome != QLatin1String("lettera") && nome != QLatin1String("togli-figura"))
            return errore(QStringLiteral("manca il valore di ") + citato(ultimo));
        return errore(QStringLiteral("--") + nome + QStringLiteral(" vuole una lettera, da a a z"));
    }
    for (const QString& argomento : argomenti)
        if (argomento.startsWith(QLatin1Char('-')) && argomento.contains(QLatin1Char('=')) &&
            !prendeValore(opzioni, nomeDi(argomento)))
            return sconosciuta(argomento);
    return sconosciuta(ultimo);
}

} // namespace

Scelta leggi(const QStringList& argomenti) {
    // Whoever asks for help gets it, whatever else the line holds.
    if (argomenti.contains(QLatin1String("--help")) || argomenti.contains(QLatin1String("-h"))) {
        Scelta aiuto;
        aiuto.azione = Azione::Aiuto;
        return aiuto;
    }
    QCommandLineParser parser;
    // -platform as --platform, as the toolkit reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Opzioni o;
    const QList<QCommandLineOption> opzioni = tutte(o);
    parser.addOptions(opzioni);
    // Its own verdict is in English: the program words its own.
    if (!parser.parse(QStringList{QStringLiteral("vortelia")} + argomenti))
        return rifiuto(parser, opzioni, argomenti);
    // Another option in the drawing's place: the file was left out.
    if (parser.value(o.nuova).startsWith(QLatin1String("--")))
        return errore(QStringLiteral("--nuova-figura vuole il file del disegno"));
    if (!parser.positionalArguments().isEmpty())
        return errore(QStringLiteral("argomento sconosciuto: ") +
                      citato(parser.positionalArguments().constFirst()));

    Scelta scelta;
    scelta.schermoIntero = parser.isSet(o.schermoIntero);
    const std::pair<const QCommandLineOption&, Azione> azioni[] = {
        {o.insegnante, Azione::Insegnante}, {o.figure, Azione::Figure},
        {o.elenca, Azione::ElencaFigure},   {o.nuova, Azione::NuovaFigura},
        {o.togli, Azione::TogliFigura},     {o.impostazioni, Azione::Impostazioni}};
    for (const auto& [opzione, azione] : azioni) {
        if (!parser.isSet(opzione))
            continue;
        if (scelta.azione != Azione::Programma)
            return errore(QStringLiteral("una sola azione per volta"));
        scelta.azione = azione;
    }
    // One file and one letter: a second one would silently win.
    for (const QCommandLineOption* opzione : {&o.nuova, &o.lettera, &o.togli})
        if (parser.values(*opzione).size() > 1)
            return errore(QStringLiteral("--") + opzione->names().constFirst() +
                          QStringLiteral(" va data una volta sola"));
    scelta.disegno = QFile::encodeName(parser.value(o.nuova));
    for (const QCommandLineOption* opzione : {&o.lettera, &o.togli}) {
        if (!parser.isSet(*opzione))
            continue;
        const std::optional<QChar> l = lettera(parser.value(*opzione));
        if (!l)
            return errore(QStringLiteral("--") + opzione->names().constFirst() +
                          QStringLiteral(" vuole una lettera, da a a z"));
        scelta.lettera = *l;
    }
    if (scelta.azione == Azione::NuovaFigura && !parser.isSet(o.lettera))
        return errore(QStringLiteral("--nuova-figura vuole anche --lettera, da a a z"));
    if (parser.isSet(o.lettera) && scelta.azione != Azione::NuovaFigura)
        return errore(QStringLiteral("--lettera va con --nuova-figura"));
    return scelta;
}

QString uso() {
    return QStringLiteral(
        "Uso: vortelia [OPZIONE]\n"
        "Esercizi di rotazioni e simmetrie di figure per la scuola primaria.\n"
        "\n"
        "  --schermo-intero         ogni finestra si apre a schermo intero\n"
        "  --insegnante             apre l'area dell'insegnante: le figure della classe e\n"
        "                           le impostazioni\n"
        "  --figure                 apre l'area dell'insegnante sulle figure della classe\n"
        "  --nuova-figura DISEGNO --lettera x\n"
        "                           fa del disegno (PNG, JPEG o SVG) la figura della lettera x,\n"
        "                           se le sue otto viste sono tutte diverse\n"
        "  --togli-figura x         toglie la figura della classe della lettera x: torna\n"
        "                           quella della scuola o quella del programma\n"
        "  --elenca-figure          dice di chi è la figura di ogni lettera\n"
        "  --impostazioni           mostra le impostazioni in vigore e da dove viene\n"
        "                           ciascuna\n"
        "  --help                   mostra questo aiuto\n"
        "\n"
        "Le figure della classe stanno nella cartella dei dati dell'utente\n"
        "(~/.local/share/Vortelia/figure); quelle della scuola in Vortelia/figure\n"
        "dentro una cartella di XDG_DATA_DIRS, ad esempio /usr/local/share. Per\n"
        "salvare una figura per tutta la scuola:\n"
        "  sudo XDG_DATA_HOME=/usr/local/share vortelia --nuova-figura DISEGNO --lettera x\n"
        "\n"
        "Le impostazioni della scuola stanno in /etc/xdg/Vortelia/Vortelia.conf,\n"
        "quelle dell'insegnante in ~/.config/Vortelia/Vortelia.conf.\n"
        "\n"
        "Uscita: 0 fatto, 1 non fatto (il motivo è scritto), 2 riga di comando sbagliata.\n");
}

} // namespace RigaComando
