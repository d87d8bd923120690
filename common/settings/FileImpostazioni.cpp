// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileImpostazioni.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

namespace FileImpostazioni {

namespace {

// Whatever a file holds, a warning stays one readable line.
QString unaRiga(QString testo, qsizetype lunghezza) {
    for (QChar& c : testo)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return testo.size() > lunghezza ? testo.left(lunghezza) + QStringLiteral("…") : testo;
}

// The bytes of a file that can be a settings file, or why it cannot. Its
// kind and size are checked before it is opened: a FIFO would block the
// reader, a huge file fill the memory.
QString contenuto(const QString& percorso, QByteArray& letti) {
    const QFileInfo info(percorso);
    if (info.isDir())
        return QStringLiteral("è una cartella, non un file: ignorata");
    if (!info.isFile())
        return QStringLiteral("non è un file normale: ignorato");
    if (info.size() > limite)
        return QStringLiteral("è di %1 byte, più del limite di %2: ignorato")
            .arg(info.size())
            .arg(limite);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("non si può leggere: ignorato");
    letti = file.read(limite + 1);
    if (letti.size() > limite) // it grew since
        return QStringLiteral("è più grande del limite di %1 byte: ignorato").arg(limite);
    if (letti.contains('\0'))
        return QStringLiteral("ha byte nulli, non è un file di testo: ignorato");
    return {};
}

// The number of the first line that is neither blank, a comment, a
// [group] nor key=value; 0 when there is none. QSettings passes over such
// lines without a word.
qsizetype primaRigaStorta(const QByteArray& letti) {
    const QList<QByteArray> righe = letti.split('\n');
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const QByteArray riga = righe[i].trimmed();
        const bool gruppo = riga.startsWith('[') && riga.contains(']');
        if (!riga.isEmpty() && !riga.startsWith(';') && !riga.startsWith('#') && !gruppo &&
            !riga.contains('='))
            return i + 1;
    }
    return 0;
}

} // namespace

QString avviso(const QString& percorso, const QString& testo) {
    return QStringLiteral("vortelia: %1: %2").arg(unaRiga(percorso, 400), testo);
}

QString voce(const QString& gruppo, const QString& nome, const QVariant& letto) {
    const QString valore = letto.typeId() == QMetaType::QStringList
                               ? letto.toStringList().join(QStringLiteral(", "))
                               : letto.toString();
    return QStringLiteral("[%1] %2=%3")
        .arg(unaRiga(gruppo, 60), unaRiga(nome, 60), unaRiga(valore, 80));
}

Letto leggi(const QString& percorso, bool dellaScuola) {
    Letto letto{.percorso = percorso, .voci = {}, .avvisi = {}};
    if (!QFileInfo::exists(percorso))
        return letto;
    QByteArray letti;
    if (const QString problema = contenuto(percorso, letti); !problema.isEmpty()) {
        letto.avvisi << avviso(percorso, problema);
        return letto;
    }
    const QSettings file(percorso, QSettings::IniFormat);
    if (file.status() == QSettings::AccessError) {
        letto.avvisi << avviso(percorso, QStringLiteral("non si può leggere: ignorato"));
        return letto;
    }
    if (const qsizetype riga = primaRigaStorta(letti);
        riga || file.status() == QSettings::FormatError) {
        letto.avvisi << avviso(percorso,
                               (riga ? QStringLiteral("la riga %1 ").arg(riga) : QString()) +
                                   QStringLiteral("non è né [gruppo] né chiave=valore: valgono "
                                                  "solo le righe che si leggono"));
    }
    QSet<QString> gruppiIgnoti;
    for (const QString& chiave : file.allKeys()) {
        const qsizetype barra = chiave.lastIndexOf(QLatin1Char('/'));
        const QString gruppo = barra < 0 ? QString() : chiave.left(barra);
        const QString scritto = chiave.mid(barra + 1);
        const QVariant valore = file.value(chiave);
        if (!ChiaviImpostazioni::gruppoNoto(gruppo)) {
            if (!gruppiIgnoti.contains(gruppo))
                letto.avvisi << avviso(percorso, gruppo.isEmpty()
                                                     ? QStringLiteral("chiavi fuori da ogni "
                                                                      "gruppo: ignorate")
                                                     : QStringLiteral("[%1] non è un gruppo "
                                                                      "delle impostazioni: "
                                                                      "ignorato")
                                                           .arg(unaRiga(gruppo, 60)));
            gruppiIgnoti << gruppo;
            continue;
        }
        const bool marcata = scritto.endsWith(blocco);
        const QString nome = marcata ? scritto.chopped(blocco.size()).trimmed() : scritto;
        const ChiaviImpostazioni::Chiave* nota = ChiaviImpostazioni::trova(gruppo, nome);
        if (!nota) {
            letto.avvisi << avviso(percorso, voce(gruppo, scritto, valore) +
                                                 QStringLiteral(" non è una chiave delle "
                                                                "impostazioni: ignorata"));
            continue;
        }
        if (marcata && !dellaScuola)
            letto.avvisi << avviso(percorso, voce(gruppo, scritto, valore) +
                                                 QStringLiteral(" blocca solo in un file della "
                                                                "scuola: qui vale come %1")
                                                     .arg(nome));
        letto.voci << Voce{.chiave = nota, .letto = valore, .bloccata = marcata && dellaScuola};
    }
    return letto;
}

} // namespace FileImpostazioni
