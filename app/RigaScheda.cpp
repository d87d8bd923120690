// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigaScheda.h"

#include "common/class_figures/FigureClasse.h"
#include "common/platform/system/ApplicationFolder.h"
#include "common/settings/LetturaImpostazioni.h"
#include "common/worksheets/Schede.h"

#include <QApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QTextStream>

namespace RigaScheda {

namespace {

const QString opzioneScheda = QStringLiteral("--scheda");

// "FormEs2:4,FormEs14:3": each window by its name or number, and how many.
std::variant<QList<RichiestaScheda::Voce>, QString> esercizi(const QString& testo) {
    static const QRegularExpression voce(QStringLiteral("^(?:FormEs)?(\\d+)(?::(\\d+))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<RichiestaScheda::Voce> voci;
    for (const QString& parte : testo.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = voce.match(parte.trimmed());
        const int numero = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (numero < 1 || numero > 15)
            return QStringLiteral("«%1» non è un esercizio: si scrive FormEs1 ... FormEs15, "
                                  "con il numero di esercizi dopo i due punti (FormEs2:4)")
                .arg(parte);
        const int quanti = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        voci << RichiestaScheda::Voce{formEs(numero), quanti};
    }
    return voci;
}

} // namespace

bool richiesta(const QStringList& argomenti) {
    for (const QString& a : argomenti)
        if (a == opzioneScheda || a.startsWith(opzioneScheda + QLatin1Char('=')))
            return true;
    return false;
}

std::variant<Opzioni, QString> leggi(const QStringList& argomenti, quint64 semeNuovo) {
    Opzioni o;
    o.richiesta.seme = semeNuovo;
    bool conEsercizi = false;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        QString nome = argomenti[i];
        std::optional<QString> valore;
        if (const qsizetype uguale = nome.indexOf(QLatin1Char('=')); uguale > 0) {
            valore = nome.mid(uguale + 1);
            nome.truncate(uguale);
        }
        if (nome == QLatin1String("--figure-classe") && !valore) {
            o.richiesta.figureClasse = true;
            continue;
        }
        const bool conValore = nome == opzioneScheda || nome == QLatin1String("--esercizi") ||
                               nome == QLatin1String("--versioni") ||
                               nome == QLatin1String("--seme") || nome == QLatin1String("--titolo");
        if (!conValore)
            return QStringLiteral("con --scheda, opzione sconosciuta: %1").arg(argomenti[i]);
        if (!valore) {
            if (++i >= argomenti.size())
                return QStringLiteral("%1 vuole un valore").arg(nome);
            valore = argomenti[i];
        }
        bool numero = true;
        if (nome == opzioneScheda) {
            o.file = *valore;
        } else if (nome == QLatin1String("--esercizi")) {
            auto voci = esercizi(*valore);
            if (const QString* motivo = std::get_if<QString>(&voci))
                return *motivo;
            o.richiesta.esercizi << std::get<QList<RichiestaScheda::Voce>>(voci);
            conEsercizi = true;
        } else if (nome == QLatin1String("--versioni")) {
            o.richiesta.versioni = valore->toInt(&numero);
        } else if (nome == QLatin1String("--seme")) {
            o.richiesta.seme = valore->toULongLong(&numero);
        } else {
            o.richiesta.titolo = *valore;
        }
        if (!numero)
            return QStringLiteral("%1 vuole un numero intero, non «%2»").arg(nome, *valore);
    }
    if (o.file.isEmpty())
        return QStringLiteral("--scheda vuole il nome del file PDF da scrivere");
    if (!conEsercizi)
        return QStringLiteral("--scheda vuole anche --esercizi, ad esempio FormEs2:4,FormEs14:3");
    return o;
}

QString uso() {
    return QStringLiteral(
               "\n"
               "Schede da stampare, senza schermo:\n"
               "  --scheda FILE.pdf --esercizi FormEs2:4,FormEs14:3\n"
               "                           scrive una scheda da stampare, con le soluzioni:\n"
               "                           quanti esercizi di ogni finestra (al massimo %1 per\n"
               "                           finestra, %2 in tutto)\n"
               "    --versioni N           da 1 a %3 versioni (fila A, fila B ...), stessi "
               "esercizi\n"
               "    --seme N               lo stesso numero dà la stessa scheda\n"
               "    --figure-classe        con le figure della classe\n"
               "    --titolo TESTO         la classe e la data, in cima a ogni pagina\n")
        .arg(RichiestaScheda::massimoPerFinestra)
        .arg(RichiestaScheda::massimoEsercizi)
        .arg(RichiestaScheda::massimoVersioni);
}

std::optional<int> esegui(int& argc, char** argv, const QStringList& argomenti) {
    if (!richiesta(argomenti))
        return std::nullopt;
    QTextStream err(stderr);
    const auto letta = leggi(argomenti, quint64(QDateTime::currentMSecsSinceEpoch()));
    if (const QString* motivo = std::get_if<QString>(&letta)) {
        err << "vortelia: " << *motivo << " (vortelia --help elenca le opzioni)\n";
        return 2;
    }
    const Opzioni& o = std::get<Opzioni>(letta);
    // The windows are made and drawn, never shown: no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontiScheda fonti{ApplicationFolder().path(), {}};
    if (o.richiesta.figureClasse) {
        const FigureClasse classe = FigureClasse::delSistema(
            leggiImpostazioni(FontiImpostazioni::delSistema()).valori.cartellaFigure);
        if (!classe.lettere().isEmpty())
            fonti.cartelleClasse = classe.cartellePerLettera();
    }
    if (const QString motivo = Schede::scrivi(o.file, o.richiesta, fonti); !motivo.isEmpty()) {
        err << "vortelia: " << motivo << '\n';
        return 1;
    }
    return 0;
}

} // namespace RigaScheda
