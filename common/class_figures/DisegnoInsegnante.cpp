// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoInsegnante.h"

#include "RiferimentiSvg.h"
#include "StrutturaJpeg.h"
#include "common/platform/system/SafeFile.h"
#include "common/views/OttoViste.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
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

// True when the first element of the document is <svg>. Only the first
// `quanto` bytes are read: a prolog (comments, a doctype) that goes on past
// them is taken for an SVG's, which its size then refuses.
bool eSvg(const QByteArray& bytes, qsizetype quanto) {
    QXmlStreamReader xml(bytes.left(quanto));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("svg");
    return quanto < bytes.size() && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
}

bool png(const QByteArray& bytes) {
    return bytes.startsWith("\x89PNG\r\n\x1a\n");
}

bool gzip(const QByteArray& bytes) {
    return bytes.startsWith("\x1f\x8b");
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

// What a JPEG's markers already tell against it: cut short, or more memory
// than any drawing needs.
QString controlloJpeg(const StrutturaJpeg::Esame& esame) {
    if (!esame.intero)
        return QStringLiteral("L'immagine è rovinata: non si legge fino in fondo.");
    if (esame.byteMetadati > metadatiMassimi)
        return QStringLiteral("L'immagine contiene troppi dati oltre al disegno (commenti o "
                              "metadati): salvala di nuovo senza.");
    if (esame.progressivo && esame.byteCoefficienti > coefficientiMassimi)
        return QStringLiteral("L'immagine è troppo grande per una JPEG progressiva (%1 × %2 "
                              "punti): salvala più piccola o come JPEG normale.")
            .arg(esame.misura.width())
            .arg(esame.misura.height());
    return {};
}

// A PNG or a JPEG (esame: its markers). A JPEG's markers are checked
// first: its reader keeps every comment of the header it is asked the size
// from, several times over.
Lettura quadratoRaster(const QByteArray& bytes, const StrutturaJpeg::Esame& esame) {
    if (esame.jpeg)
        if (const QString motivo = controlloJpeg(esame); !motivo.isEmpty())
            return rifiuto(motivo);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size from the header alone, before any pixel is decoded.
    const QSize misura = reader.size();
    const QByteArray formato = reader.format();
    const bool jpeg = formato == "jpeg" || formato == "jpg";
    // First bytes of a PNG or a JPEG on what Qt reads as another kind: none.
    if (!(jpeg || formato == "png") || !reader.canRead() || !misura.isValid() || misura.isEmpty())
        return rifiuto(nonImmagine);
    const qint64 pixel = qint64(misura.width()) * misura.height();
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
    // A few dots on a large sheet are as few pixels as a small picture; a
    // small drawing in a corner of it is still a drawing.
    if (std::max(parte.width(), parte.height()) < latoMinimo)
        return rifiuto(QStringLiteral("Il disegno è troppo piccolo (%1 × %2 punti, tolto il "
                                      "bianco intorno): serve almeno %3 punti sul lato più lungo.")
                           .arg(parte.width())
                           .arg(parte.height())
                           .arg(latoMinimo));
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

Lettura daByte(const QByteArray& bytes) {
    Lettura lettura;
    // A compressed drawing is checked by nobody before its renderer opens it.
    if (gzip(bytes))
        return rifiuto(QStringLiteral("Il disegno è compresso (SVGZ): salvalo come SVG normale, "
                                      "PNG o JPEG."));
    // Only the kinds a drawing comes in reach a reader, each known by its
    // first bytes: Qt's own guess would hand other files to other readers
    // (its SVG reader reads a whole file to tell its size).
    const StrutturaJpeg::Esame esame = StrutturaJpeg::esamina(bytes);
    if (esame.jpeg || png(bytes)) {
        lettura = quadratoRaster(bytes, esame);
    } else {
        // A larger SVG is known by its start alone.
        const bool grande = bytes.size() > byteMassimiSvg;
        if (!eSvg(bytes, grande ? 64 * 1024 : bytes.size()))
            return rifiuto(nonImmagine);
        if (grande)
            return rifiuto(QStringLiteral("Il disegno SVG è troppo grande: al massimo 16 MB."));
        const QString fuori = RiferimentiSvg::esterno(bytes);
        if (!fuori.isEmpty())
            return rifiuto(QStringLiteral("Il disegno SVG usa qualcosa che sta fuori dal file "
                                          "(%1): si può usare solo un disegno che contiene tutto.")
                               .arg(fuori.left(80)));
        lettura = quadratoSvg(bytes);
    }
    // Faint specks on an empty sheet are no figure either.
    if (lettura.ok() && pixelDisegnati(lettura.quadrato) < OttoViste::lato * OttoViste::lato / 500)
        return rifiuto(QStringLiteral("Il disegno è vuoto o di un solo colore."));
    return lettura;
}

Lettura leggi(const QString& percorso) {
    return leggiDiSistema(QFile::encodeName(percorso));
}

Lettura leggiDiSistema(const QByteArray& percorso) {
    SafeFile::Refusal perche = SafeFile::Refusal::None;
    // Only a regular file: a FIFO or a device would keep the reader waiting.
    const std::optional<SafeFile::Opened> aperto = SafeFile::openNative(percorso, &perche);
    // Bytes that are not UTF-8 show as replacement characters.
    const QString nome = QFile::decodeName(percorso);
    if (!aperto) {
        if (perche == SafeFile::Refusal::Missing)
            return rifiuto(QStringLiteral("Il file %1 non c'è.").arg(nome));
        if (perche == SafeFile::Refusal::NotRegular)
            return rifiuto(nonImmagine);
        return rifiuto(QStringLiteral("Il file %1 non si può leggere.").arg(nome));
    }
    if (aperto->identity.size > byteMassimi)
        return rifiuto(QStringLiteral("Il file è troppo grande: al massimo 64 MB."));
    return daByte(aperto->file->read(byteMassimi + 1));
}

} // namespace DisegnoInsegnante
