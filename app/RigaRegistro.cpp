// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigaRegistro.h"

#include "teacher/record/AccessoRegistro.h"

#include "common/FileIntero.h"
#include "common/keys/NomiClasse.h"
#include "common/reports/EsportaCsv.h"
#include "common/reports/RiepilogoClasse.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QTextStream>

#include <algorithm>

namespace RigaRegistro {

namespace {

using Azione = Opzioni::Azione;

struct Opzione {
    QLatin1String nome;
    Azione azione;
};
constexpr Opzione opzioni[] = {
    {QLatin1String("--registro-attiva"), Azione::Attiva},
    {QLatin1String("--registro-csv"), Azione::Risposte},
    {QLatin1String("--registro-griglia"), Azione::Griglia},
    {QLatin1String("--registro-cancella-fino"), Azione::CancellaFino},
};

const Opzione* opzione(const QString& argomento) {
    const QString nome = argomento.section(QLatin1Char('='), 0, 0);
    const auto trovata = std::find_if(std::begin(opzioni), std::end(opzioni),
                                      [&nome](const Opzione& o) { return o.nome == nome; });
    return trovata == std::end(opzioni) ? nullptr : trovata;
}

// "2027-08-31" or "31/08/2027".
QDate giorno(const QString& testo) {
    const QDate iso = QDate::fromString(testo, Qt::ISODate);
    return iso.isValid() ? iso : QDate::fromString(testo, QStringLiteral("dd/MM/yyyy"));
}

// Every day the record holds: the range of its oldest and newest entries.
IntervalloDate tutto(const QList<VoceRegistro>& voci) {
    if (voci.isEmpty())
        return IntervalloDate(QDate::currentDate(), QDate::currentDate());
    const auto giornoDi = [](qint64 quando) {
        return QDateTime::fromMSecsSinceEpoch(quando).date();
    };
    return IntervalloDate(giornoDi(voci.first().quando), giornoDi(voci.last().quando));
}

// The password, one line of standard input.
QString password(QTextStream& in) {
    QString riga = in.readLine();
    while (riga.endsWith(QLatin1Char('\r')))
        riga.chop(1);
    return riga;
}

int rifiuto(QTextStream& err, const QString& motivo) {
    err << "vortelia: " << motivo << '\n';
    err.flush();
    return 1;
}

int attiva(const Opzioni& o, AccessoRegistro& accesso, QTextStream& in, QTextStream& out,
           QTextStream& err) {
    const NomiClasse nomi = NomiClasse::daFile(o.file);
    if (!nomi.valida())
        return rifiuto(err, nomi.errore);
    const AccessoRegistro::Attivazione fatto = accesso.attiva(nomi.nomi, password(in));
    if (!fatto.codiceRecupero.isEmpty())
        out << QStringLiteral("Registro attivo in %1 per %2 alunni.\n"
                              "Codice di recupero, da scrivere e tenere da parte (non si "
                              "mostra più): apre il registro se la password è dimenticata.\n%3\n")
                   .arg(QDir::toNativeSeparators(accesso.cartelle().registro))
                   .arg(nomi.nomi.size())
                   .arg(fatto.codiceRecupero);
    out.flush();
    return fatto.errore.isEmpty() ? 0 : rifiuto(err, fatto.errore);
}

} // namespace

bool richiesta(const QStringList& argomenti) {
    return std::any_of(argomenti.cbegin(), argomenti.cend(),
                       [](const QString& a) { return opzione(a) != nullptr; });
}

std::variant<Opzioni, QString> leggi(const QStringList& argomenti) {
    std::optional<Opzioni> scelta;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const Opzione* o = opzione(argomenti[i]);
        if (!o)
            return QStringLiteral("con %1, opzione sconosciuta: %2")
                .arg(opzione(argomenti.first()) ? argomenti.first().section('=', 0, 0)
                                                : QStringLiteral("--registro-..."),
                     argomenti[i].left(200));
        if (scelta)
            return QStringLiteral("una sola opzione --registro-... per volta");
        QString valore;
        if (argomenti[i].contains(QLatin1Char('=')))
            valore = argomenti[i].section(QLatin1Char('='), 1);
        else if (i + 1 < argomenti.size() && !argomenti[i + 1].startsWith(QLatin1String("--")))
            valore = argomenti[++i];
        if (valore.isEmpty())
            return QStringLiteral("%1 vuole %2")
                .arg(o->nome, o->azione == Azione::Attiva
                                  ? QStringLiteral("il file con i nomi della classe")
                              : o->azione == Azione::CancellaFino
                                  ? QStringLiteral("un giorno (2027-08-31)")
                                  : QStringLiteral("il file CSV da scrivere"));
        scelta = Opzioni{o->azione, valore, {}};
        if (o->azione == Azione::CancellaFino) {
            scelta->file.clear();
            scelta->giorno = giorno(valore);
            if (!scelta->giorno.isValid())
                return QStringLiteral("«%1» non è un giorno: si scrive 2027-08-31 o 31/08/2027")
                    .arg(valore.left(200));
        }
    }
    return *scelta;
}

QString uso() {
    return QStringLiteral(
        "\n"
        "Il registro della classe, con la password dell'insegnante sullo standard input:\n"
        "  --registro-attiva CLASSE.txt\n"
        "                           attiva il registro per i nomi del file (uno per riga)\n"
        "                           e scrive il codice di recupero\n"
        "  --registro-csv FILE      ogni risposta, una per riga, per un foglio di calcolo\n"
        "  --registro-griglia FILE  la classe in breve, un alunno per riga\n"
        "  --registro-cancella-fino GIORNO\n"
        "                           cancella per sempre ogni risposta fino al GIORNO\n"
        "                           compreso (2027-08-31)\n");
}

int esegui(const Opzioni& o, const FontiImpostazioni& fonti, QTextStream& in, QTextStream& out,
           QTextStream& err) {
    AccessoRegistro accesso(fonti);
    if (o.azione == Azione::Attiva)
        return attiva(o, accesso, in, out, err);
    if (!accesso.attivato())
        return rifiuto(err, QStringLiteral("il registro non è attivo in %1")
                                .arg(QDir::toNativeSeparators(accesso.cartelle().registro)));
    QString errore;
    const ChiavePrivata chiave = accesso.apri(password(in), &errore);
    if (!chiave.valida())
        return rifiuto(err, errore);
    if (o.azione == Azione::CancellaFino) {
        const QString motivo =
            accesso.cancella(chiave, {Cancellazione::Tipo::PrimaDi, {}, o.giorno.addDays(1)});
        return motivo.isEmpty() ? 0 : rifiuto(err, motivo);
    }
    const LetturaRegistro lettura = accesso.leggi(chiave);
    for (const QString& nota : lettura.note)
        err << "vortelia: " << nota << '\n';
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    const IntervalloDate giorni = tutto(lettura.voci);
    const QString motivo =
        o.azione == Azione::Risposte
            ? EsportaCsv::risposte(csv, lettura.voci, giorni)
            : EsportaCsv::griglia(csv,
                                  RiepilogoClasse::calcola(lettura.voci, lettura.classe, giorni));
    if (!motivo.isEmpty())
        return rifiuto(err, motivo);
    if (const QString scritto = FileIntero::scrivi(o.file, csv.data()); !scritto.isEmpty())
        return rifiuto(err, scritto);
    return 0;
}

} // namespace RigaRegistro
