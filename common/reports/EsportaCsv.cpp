// SPDX-License-Identifier: GPL-3.0-or-later
#include "EsportaCsv.h"

#include "common/FinestraId.h"

#include <QDateTime>
#include <QIODevice>
#include <QUuid>

#include <algorithm>

namespace {

const QByteArray bom = "\xEF\xBB\xBF";
constexpr char separatore = ';';
const QByteArray fineRiga = "\r\n";
// Written out whenever this much has gathered: 600,000 answers never sit
// in memory twice.
constexpr qsizetype blocco = 1 << 20;

// Collects rows and hands them to the device, noting the first failure.
class Scrittura {
public:
    explicit Scrittura(QIODevice& dove) : dove_(dove) {
        if (!dove_.isWritable())
            motivo_ = QStringLiteral("Il file non è aperto per scriverci.");
        testo_ = bom;
    }
    void riga(const QList<QByteArray>& celle) {
        testo_ += celle.join(separatore);
        testo_ += fineRiga;
        if (testo_.size() >= blocco)
            scarica();
    }
    QString fine() {
        scarica();
        return motivo_;
    }

private:
    void scarica() {
        if (motivo_.isEmpty() && dove_.write(testo_) != testo_.size())
            motivo_ =
                QStringLiteral("Il file non si è potuto scrivere tutto (il disco è pieno?): %1.")
                    .arg(dove_.errorString());
        testo_.clear();
    }

    QIODevice& dove_;
    QByteArray testo_;
    QString motivo_;
};

QByteArray momento(qint64 quando) {
    return QDateTime::fromMSecsSinceEpoch(quando, Qt::LocalTime)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toLatin1();
}

QByteArray giorno(QDate d) {
    return d.isValid() ? d.toString(Qt::ISODate).toLatin1() : QByteArray();
}

// Thousandths with a decimal comma and no trailing zeros: "2,5", "12".
QByteArray decimale(qint64 millesimi) {
    QByteArray n = QByteArray::number(millesimi / 1000);
    if (millesimi < 0 && n.front() != '-')
        n.prepend('-');
    QByteArray resto = QByteArray::number(std::abs(millesimi % 1000)).rightJustified(3, '0');
    while (resto.endsWith('0'))
        resto.chop(1);
    return resto.isEmpty() ? n : n + ',' + resto;
}

// An entry's 16 bytes as 8-4-4-4-12 hex digits: all digits in one run,
// "000123" or "1e10", a spreadsheet would read as a number and change.
QByteArray identita(const QByteArray& id) {
    if (id.size() != 16)
        return EsportaCsv::testo(QString::fromLatin1(id.toHex()));
    return QUuid::fromRfc4122(id).toByteArray(QUuid::WithoutBraces);
}

QByteArray siNo(bool si) {
    return si ? QByteArrayLiteral("sì") : QByteArrayLiteral("no");
}

QList<QByteArray> celleDi(const ConteggiRisposte& c, QDate ultimo) {
    const auto quota = c.quota();
    return {QByteArray::number(c.risposte),
            quota ? decimale(qRound64(*quota * 100000)) : QByteArray(), giorno(ultimo)};
}

QList<QByteArray> testata(const QString& di) {
    return {EsportaCsv::testo(di + QStringLiteral(" risposte")),
            EsportaCsv::testo(di + QStringLiteral(" giuste al primo tentativo %")),
            EsportaCsv::testo(di + QStringLiteral(" ultimo giorno"))};
}

} // namespace

namespace EsportaCsv {

QByteArray testo(const QString& cella) {
    QString t = cella;
    static const QString formula = QStringLiteral("=+-@\t\r");
    if (!t.isEmpty() && formula.contains(t.front()))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(separatore)) || t.contains(QLatin1Char('"')) ||
        t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t.toUtf8();
}

QString risposte(QIODevice& dove, const QList<VoceRegistro>& voci,
                 const IntervalloDate& intervallo) {
    QList<const VoceRegistro*> scelte;
    for (const VoceRegistro& v : voci)
        if (v.tipo == VoceRegistro::Tipo::Risposta && intervallo.contiene(v.quando))
            scelte << &v;
    std::stable_sort(
        scelte.begin(), scelte.end(),
        [](const VoceRegistro* a, const VoceRegistro* b) { return a->quando < b->quando; });
    Scrittura s(dove);
    s.riga({"data", "alunno", "esercizio", "titolo", "lettera", "figura_classe", "mostrato",
            "scelto", "esito", "primo_tentativo", "secondi", "id"});
    for (const VoceRegistro* v : scelte) {
        const int numero = numeroDaNome(v->finestra);
        const QString titolo =
            numero ? QString::fromUtf8(titoloEsercizio(formEs(numero))) : QString();
        s.riga({momento(v->quando), testo(v->alunno), testo(v->finestra), testo(titolo),
                testo(v->lettera.isNull() ? QString() : QString(v->lettera)), siNo(v->figuraClasse),
                testo(v->mostrato), testo(v->scelto),
                v->giusta ? QByteArrayLiteral("giusta") : QByteArrayLiteral("sbagliata"),
                siNo(v->primoTentativo), decimale(v->millisecondi), identita(v->id)});
    }
    return s.fine();
}

QString griglia(QIODevice& dove, const RiepilogoClasse& riepilogo) {
    Scrittura s(dove);
    QList<QByteArray> prima{"alunno"};
    for (int n = 1; n <= RiepilogoClasse::esercizi; ++n)
        prima << testata(QStringLiteral("FormEs%1").arg(n));
    prima << testata(QStringLiteral("tutti gli esercizi"));
    s.riga(prima);
    for (const RiepilogoClasse::Alunno& a : riepilogo.alunni) {
        QList<QByteArray> riga{testo(a.nome)};
        for (int e = 0; e < RiepilogoClasse::esercizi; ++e)
            riga << celleDi(a.esercizi[e], a.ultimiGiorni[e]);
        riga << celleDi(a.tutti, a.ultimoGiorno);
        s.riga(riga);
    }
    return s.fine();
}

} // namespace EsportaCsv
