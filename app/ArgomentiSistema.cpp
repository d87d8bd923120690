// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArgomentiSistema.h"

#include <QFile>
#include <QStringList>

namespace ArgomentiSistema {

namespace {

// The bytes given to --nuova-figura (-nuova-figura, or after "=") whose text
// is the one the parser read: the value of another option that looks like it
// is passed over.
QByteArray disegno(const QList<QByteArray>& argomenti, const QString& letto) {
    const QByteArray nome = "nuova-figura";
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QByteArray& argomento = argomenti.at(i);
        if (argomento == "--")
            break;
        if (!argomento.startsWith('-'))
            continue;
        const QByteArray opzione = argomento.mid(argomento.startsWith("--") ? 2 : 1);
        QByteArray valore;
        if (opzione == nome && i + 1 < argomenti.size())
            valore = argomenti.at(i + 1);
        else if (opzione.startsWith(nome + '='))
            valore = opzione.mid(nome.size() + 1);
        else
            continue;
        if (QFile::decodeName(valore) == letto)
            return valore;
    }
    return QFile::encodeName(letto);
}

} // namespace

RigaComando::Scelta leggi(const QList<QByteArray>& argomenti) {
    QStringList testo;
    for (const QByteArray& argomento : argomenti)
        testo << QFile::decodeName(argomento);
    RigaComando::Scelta scelta = RigaComando::leggi(testo);
    if (scelta.azione == RigaComando::Azione::NuovaFigura)
        scelta.disegno = disegno(argomenti, QFile::decodeName(scelta.disegno));
    return scelta;
}

} // namespace ArgomentiSistema
