// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoInsegnante.h"

#include "common/views/OttoViste.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cstdlib>

namespace DisegnoInsegnante {

namespace {

Lettura rifiuto(const QString& motivo) {
    return {QImage(), motivo};
}

const QString nonImmagine =
    QStringLiteral("Il file non è un'immagine: si possono usare disegni PNG, JPEG o SVG.");

// True when the first element of the document is <svg>.
bool eSvg(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes.left(64 * 1024));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("svg");
        if (xml.hasError())
            return false;
    }
    return false;
}

// A reference that stays inside the file: a fragment of it, or data it holds.
bool interno(QString riferimento) {
    riferimento = riferimento.trimmed();
    if (riferimento.startsWith(QLatin1Char('\'')) || riferimento.startsWith(QLatin1Char('"')))
        riferimento = riferimento.mid(1);
    return riferimento.isEmpty() || riferimento.startsWith(QLatin1Char('#')) ||
           riferimento.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
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

// The square of a vector drawing, drawn twice: once to find where its
// content lies, once into the square so that the content fills it sharply.
Lettura quadratoSvg(const QByteArray& bytes) {
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        return rifiuto(QStringLiteral("Il disegno SVG non si può leggere."));
    QSizeF misura = renderer.viewBoxF().size();
    if (misura.isEmpty())
        misura = renderer.defaultSize();
    if (misura.isEmpty())
        misura = QSizeF(1, 1);
    const qreal primo = 1024.0 / std::max(misura.width(), misura.height());
    const QSize prova = (misura * primo).toSize().expandedTo(QSize(1, 1));
    QImage bozza(prova, QImage::Format_ARGB32_Premultiplied);
    bozza.fill(Qt::transparent);
    {
        QPainter painter(&bozza);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(prova)));
    }
    const QRect parte = OttoViste::contenuto(bozza);
    if (parte.isEmpty())
        return rifiuto(QStringLiteral("Il disegno è vuoto o di un solo colore."));
    const QRectF dove = OttoViste::posto(parte.size());
    const qreal s = dove.width() / parte.width();
    QImage quadrato(OttoViste::lato, OttoViste::lato, QImage::Format_RGB32);
    quadrato.fill(OttoViste::sfondo);
    QPainter painter(&quadrato);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(dove.adjusted(-1, -1, 1, 1));
    renderer.render(&painter, QRectF(dove.x() - parte.x() * s, dove.y() - parte.y() * s,
                                     prova.width() * s, prova.height() * s));
    return {quadrato, {}};
}

Lettura quadratoRaster(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size from the header alone, before any pixel is decoded.
    const QSize misura = reader.size();
    const QByteArray formato = reader.format();
    if (!reader.canRead() || !misura.isValid() || misura.isEmpty())
        return rifiuto(nonImmagine);
    const qint64 pixel = qint64(misura.width()) * misura.height();
    const bool jpeg = formato == "jpeg" || formato == "jpg";
    if (pixel > (jpeg ? pixelMassimiJpeg : pixelMassimi))
        return rifiuto(
            QStringLiteral("L'immagine è troppo grande (%1 × %2 punti): al massimo %3.")
                .arg(misura.width())
                .arg(misura.height())
                .arg(jpeg ? QStringLiteral("10000 × 10000") : QStringLiteral("4096 × 4096")));
    if (std::min(misura.width(), misura.height()) < latoMinimo)
        return rifiuto(
            QStringLiteral("L'immagine è troppo piccola (%1 × %2 punti): serve almeno %3 punti "
                           "sul lato più corto.")
                .arg(misura.width())
                .arg(misura.height())
                .arg(latoMinimo));
    if (std::max(misura.width(), misura.height()) > latoLettura)
        reader.setScaledSize(misura.scaled(latoLettura, latoLettura, Qt::KeepAspectRatio));
    const QImage letta = reader.read();
    if (letta.isNull())
        return rifiuto(QStringLiteral("L'immagine è rovinata: non si legge fino in fondo."));
    const QRect parte = OttoViste::contenuto(letta);
    if (parte.isEmpty())
        return rifiuto(QStringLiteral("Il disegno è vuoto o di un solo colore."));
    return {OttoViste::centra(letta, parte), {}};
}

// Pixels that differ visibly from the box background.
qint64 pixelDisegnati(const QImage& quadrato) {
    const QRgb sfondo = OttoViste::sfondo.rgb();
    qint64 n = 0;
    for (int y = 0; y < quadrato.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(quadrato.constScanLine(y));
        for (int x = 0; x < quadrato.width(); ++x)
            n += std::abs(qRed(row[x]) - qRed(sfondo)) + std::abs(qGreen(row[x]) - qGreen(sfondo)) +
                     std::abs(qBlue(row[x]) - qBlue(sfondo)) >
                 48;
    }
    return n;
}

} // namespace

QString riferimentoEsterno(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    bool inStile = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty() ||
                xml.text().contains(QLatin1String("ENTITY"), Qt::CaseInsensitive))
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
                if (a.name() == QLatin1String("href") && !interno(valore))
                    return valore.trimmed();
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

Lettura daByte(const QByteArray& bytes) {
    Lettura lettura;
    if (eSvg(bytes)) {
        const QString fuori = riferimentoEsterno(bytes);
        if (!fuori.isEmpty())
            return rifiuto(QStringLiteral("Il disegno SVG usa qualcosa che sta fuori dal file "
                                          "(%1): si può usare solo un disegno che contiene tutto.")
                               .arg(fuori.left(80)));
        lettura = quadratoSvg(bytes);
    } else {
        lettura = quadratoRaster(bytes);
    }
    // Faint specks on an empty sheet are no figure either.
    if (lettura.ok() && pixelDisegnati(lettura.quadrato) < OttoViste::lato * OttoViste::lato / 500)
        return rifiuto(QStringLiteral("Il disegno è vuoto o di un solo colore."));
    return lettura;
}

Lettura leggi(const QString& percorso) {
    const QFileInfo info(percorso);
    // Only a regular file: a FIFO or a device would keep the reader waiting.
    if (!info.exists())
        return rifiuto(QStringLiteral("Il file %1 non c'è.").arg(percorso));
    if (!info.isFile())
        return rifiuto(nonImmagine);
    if (info.size() > byteMassimi)
        return rifiuto(QStringLiteral("Il file è troppo grande: al massimo 64 MB."));
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return rifiuto(QStringLiteral("Il file %1 non si può leggere.").arg(percorso));
    return daByte(file.read(byteMassimi + 1));
}

} // namespace DisegnoInsegnante
