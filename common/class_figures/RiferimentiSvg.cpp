// SPDX-License-Identifier: GPL-3.0-or-later
#include "RiferimentiSvg.h"

#include "StrutturaJpeg.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace RiferimentiSvg {

namespace {

bool png(const QByteArray& bytes) {
    return bytes.startsWith("\x89PNG\r\n\x1a\n");
}

// Data a drawing holds in itself: only a PNG or JPEG picture. Anything else
// (another SVG, compressed or not) would be drawn by a renderer that
// follows the references inside it.
bool datiInterni(const QString& riferimento) {
    const qsizetype virgola = riferimento.indexOf(QLatin1Char(','));
    if (virgola < 0)
        return false;
    const QString intestazione = riferimento.left(virgola).trimmed();
    const QByteArray testo = riferimento.mid(virgola + 1).toLatin1();
    const QByteArray dati = intestazione.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)
                                ? QByteArray::fromBase64(testo)
                                : QByteArray::fromPercentEncoding(testo);
    return png(dati) || StrutturaJpeg::esamina(dati).jpeg;
}

// A reference that stays inside the file: a fragment of it, or a picture it holds.
bool interno(QString riferimento) {
    riferimento = riferimento.trimmed();
    if (riferimento.startsWith(QLatin1Char('\'')) || riferimento.startsWith(QLatin1Char('"')))
        riferimento = riferimento.mid(1);
    if (riferimento.endsWith(QLatin1Char('\'')) || riferimento.endsWith(QLatin1Char('"')))
        riferimento.chop(1);
    if (riferimento.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return datiInterni(riferimento);
    return riferimento.isEmpty() || riferimento.startsWith(QLatin1Char('#'));
}

// The first url(...) in a style that leads outside, or an @import.
QString fuoriInStile(const QString& testo) {
    if (testo.contains(QLatin1String("@import"), Qt::CaseInsensitive))
        return QStringLiteral("@import");
    static const QRegularExpression url(QStringLiteral("url\\s*\\(([^)]*)\\)"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(testo); it.hasNext();) {
        const auto m = it.next();
        if (!interno(m.captured(1)))
            return m.captured(1).trimmed();
    }
    return {};
}

} // namespace

QString esterno(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    bool inStile = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities declared inside the file are its own text; one that
            // names a file or an address (SYSTEM, PUBLIC) reaches outside.
            if (xml.text().contains(QLatin1String("SYSTEM")) ||
                xml.text().contains(QLatin1String("PUBLIC")))
                return QStringLiteral("<!ENTITY>");
            break;
        case QXmlStreamReader::ProcessingInstruction:
            if (xml.processingInstructionTarget() == QLatin1String("xml-stylesheet"))
                return xml.processingInstructionData().toString().trimmed();
            break;
        case QXmlStreamReader::StartElement:
            inStile = xml.name() == QLatin1String("style");
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const QString valore = a.value().toString();
                // A link (<a href>) is followed by nobody drawing the picture.
                if (a.name() == QLatin1String("href") && xml.name() != QLatin1String("a") &&
                    !interno(valore))
                    return valore.trimmed().left(80);
                const QString fuori = fuoriInStile(valore);
                if (!fuori.isEmpty())
                    return fuori;
            }
            break;
        case QXmlStreamReader::Characters:
            if (inStile) {
                const QString fuori = fuoriInStile(xml.text().toString());
                if (!fuori.isEmpty())
                    return fuori;
            }
            break;
        case QXmlStreamReader::EndElement:
            inStile = false;
            break;
        default:
            break;
        }
    }
    return {};
}

} // namespace RiferimentiSvg
