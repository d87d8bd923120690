// SPDX-License-Identifier: GPL-3.0-or-later
#include "NomiClasse.h"

#include "LetturaLimitata.h"

#include <QDir>
#include <QList>
#include <QStringDecoder>

#include <utility>

namespace {

// A name and the line of the teacher's list it came from, for the refusals.
struct Riga {
    QString nome;
    int numero = 0;
};

// The first field of a line: up to the first `;` or `,`, or the quoted text
// when it starts with a quote (a doubled quote inside is one quote).
QString primoCampo(const QString& riga) {
    const QString testo = riga.trimmed();
    if (!testo.startsWith(u'"')) {
        qsizetype fine = 0;
        while (fine < testo.size() && testo[fine] != u';' && testo[fine] != u',')
            ++fine;
        return testo.left(fine);
    }
    QString campo;
    for (qsizetype i = 1; i < testo.size(); ++i) {
        if (testo[i] != u'"') {
            campo += testo[i];
        } else if (i + 1 < testo.size() && testo[i + 1] == u'"') {
            campo += u'"';
            ++i;
        } else {
            break;
        }
    }
    return campo;
}

bool intestazione(const QString& campo) {
    static const QStringList nomi = {"nome",    "nomi",           "alunno",
                                     "alunni",  "alunna",         "alunne",
                                     "cognome", "cognome e nome", "nome e cognome"};
    return nomi.contains(campo.simplified(), Qt::CaseInsensitive);
}

// Characters that do not belong in a name shown on a button: control
// characters, line breaks, half a surrogate pair.
bool carattereVietato(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool stessoNome(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0 || a.toCaseFolded() == b.toCaseFolded();
}

// The refusals common to every source of the list.
NomiClasse verifica(const QList<Riga>& righe) {
    NomiClasse esito;
    if (righe.isEmpty()) {
        esito.errore = QStringLiteral("La lista non ha nessun nome.");
        return esito;
    }
    if (righe.size() > NomiClasse::massimo) {
        esito.errore = QStringLiteral("La lista ha più di %1 nomi: «Chi sei?» ne mostra al massimo "
                                      "%1.")
                           .arg(NomiClasse::massimo);
        return esito;
    }
    for (const Riga& riga : righe) {
        for (const QChar c : riga.nome) {
            // Two columns copied from a spreadsheet come with a tab between.
            if (c == u'\t') {
                esito.errore =
                    QStringLiteral("Alla riga %1 ci sono due colonne: incolla solo quella "
                                   "dei nomi.")
                        .arg(riga.numero);
                return esito;
            }
            if (carattereVietato(c)) {
                esito.errore =
                    QStringLiteral("Il nome della riga %1 contiene un carattere che non si vede.")
                        .arg(riga.numero);
                return esito;
            }
        }
        const qsizetype caratteri = riga.nome.toUcs4().size();
        if (caratteri > NomiClasse::lunghezzaMassima) {
            esito.errore =
                QStringLiteral("Il nome «%1» (riga %2) è lungo %3 caratteri: al massimo %4.")
                    .arg(riga.nome)
                    .arg(riga.numero)
                    .arg(caratteri)
                    .arg(NomiClasse::lunghezzaMassima);
            return esito;
        }
    }
    // At most 60 names: comparing each pair costs nothing.
    for (qsizetype i = 0; i < righe.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) {
            if (stessoNome(righe[j].nome, righe[i].nome)) {
                esito.errore = QStringLiteral("«%1» e «%2» sono lo stesso nome (righe %3 e %4).")
                                   .arg(righe[j].nome, righe[i].nome)
                                   .arg(righe[j].numero)
                                   .arg(righe[i].numero);
                return esito;
            }
        }
    }
    for (const Riga& riga : righe)
        esito.nomi.append(riga.nome);
    return esito;
}

QString pulito(const QString& nome) {
    return nome.trimmed().normalized(QString::NormalizationForm_C);
}

} // namespace

NomiClasse NomiClasse::daTesto(const QString& testo) {
    QString tutto = testo;
    if (tutto.startsWith(QChar(0xFEFF)))
        tutto.remove(0, 1);
    tutto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tutto.replace(u'\r', u'\n');
    const QStringList linee = tutto.split(u'\n');
    QList<Riga> righe;
    bool prima = true;
    for (qsizetype i = 0; i < linee.size(); ++i) {
        if (linee[i].trimmed().isEmpty())
            continue;
        const QString nome = pulito(primoCampo(linee[i]));
        if (std::exchange(prima, false) && intestazione(nome))
            continue;
        if (!nome.isEmpty())
            righe.append({nome, int(i + 1)});
        // A list far longer than a class is refused without reading it all.
        if (righe.size() > massimo)
            break;
    }
    return verifica(righe);
}

NomiClasse NomiClasse::daElenco(const QStringList& elenco) {
    QList<Riga> righe;
    for (qsizetype i = 0; i < elenco.size() && righe.size() <= massimo; ++i) {
        const QString nome = pulito(elenco[i]);
        if (!nome.isEmpty())
            righe.append({nome, int(i + 1)});
    }
    return verifica(righe);
}

NomiClasse NomiClasse::daFile(const QString& percorso) {
    NomiClasse esito;
    const QString nome = QDir::toNativeSeparators(percorso);
    const LetturaLimitata::Letto letto = LetturaLimitata::leggi(percorso, byteMassimi);
    switch (letto.esito) {
    case LetturaLimitata::Esito::Letto:
        break;
    case LetturaLimitata::Esito::Manca:
        esito.errore = QStringLiteral("Il file %1 non c'è.").arg(nome);
        return esito;
    case LetturaLimitata::Esito::NonFile:
        esito.errore = QStringLiteral("%1 non è un file da leggere.").arg(nome);
        return esito;
    case LetturaLimitata::Esito::TroppoGrande:
        esito.errore = QStringLiteral("Il file %1 è troppo grande per una lista di nomi (più di "
                                      "64 KB).")
                           .arg(nome);
        return esito;
    case LetturaLimitata::Esito::Illeggibile:
        esito.errore = QStringLiteral("Il file %1 non si può leggere: %2.").arg(nome, letto.motivo);
        return esito;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8.decode(letto.byte);
    if (utf8.hasError()) {
        esito.errore = QStringLiteral("Il file %1 non è testo UTF-8: salvalo di nuovo scegliendo "
                                      "«UTF-8» e riprova.")
                           .arg(nome);
        return esito;
    }
    return daTesto(testo);
}
