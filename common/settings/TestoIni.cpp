// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestoIni.h"

namespace TestoIni {

namespace {

bool esadecimale(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

} // namespace

QString citato(const QString& testo) {
    if (testo.isEmpty())
        return testo;
    QString citato = QStringLiteral("\"");
    bool dopoCodice = false; // a hex digit after \x would be read as part of it
    for (const QChar c : testo) {
        const bool codice = c.unicode() < 0x20 || (dopoCodice && esadecimale(c));
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            citato += QLatin1Char('\\') + c;
        else if (codice)
            citato += QStringLiteral("\\x") + QString::number(c.unicode(), 16);
        else
            citato += c;
        dopoCodice = codice;
    }
    return citato + QLatin1Char('"');
}

QString commento(const QString& testo) {
    QString riga = testo;
    for (QChar& c : riga)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return QStringLiteral("; ") + riga + QLatin1Char('\n');
}

QString righe(const Impostazioni& valori, const QList<Riga>& righe) {
    QString testo;
    const char* gruppo = nullptr;
    for (const Riga& riga : righe) {
        const ChiaviImpostazioni::Chiave& chiave = *riga.chiave;
        if (!gruppo || qstrcmp(gruppo, chiave.gruppo) != 0)
            testo += QStringLiteral("[%1]\n").arg(QLatin1String(chiave.gruppo));
        gruppo = chiave.gruppo;
        const QString valore = ChiaviImpostazioni::testo(chiave, valori);
        testo += QLatin1String(chiave.nome) + QLatin1Char('=') +
                 (chiave.tipo() == ChiaviImpostazioni::Tipo::Cartella ? citato(valore) : valore);
        testo += riga.commento.isEmpty() ? QStringLiteral("\n")
                                         : QLatin1Char(' ') + commento(riga.commento);
    }
    return testo;
}

} // namespace TestoIni
