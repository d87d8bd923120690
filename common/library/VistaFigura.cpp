// SPDX-License-Identifier: GPL-3.0-or-later
#include "VistaFigura.h"

#include "common/views/ImprontaVista.h"
#include "common/views/JpegDecoder.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace VistaFigura {

namespace {

constexpr int latiCopie[] = {VORTELIA_VIEW_COPIES};

using LetturaSorvegliata = SafeFile::GuardedReader;

// The whole picture, at `scaled` when valid. Null when it does not decode
// completely.
QImage leggi(QImageReader& reader, LetturaSorvegliata& sorgente, QSize scaled) {
    if (scaled.isValid())
        reader.setScaledSize(scaled);
    const bool jpeg = reader.format() == "jpeg"; // asked before reading: afterwards it is not known
    std::optional<QImage> image;
    // Whole and upright, a colour JPEG is decoded straight into the boxes'
    // format; scaling, turning and other JPEGs are left to Qt's reader, which
    // goes on from where it stopped reading.
    const qint64 lettoDaQt = sorgente.pos();
    if (jpeg && !scaled.isValid() &&
        (!reader.autoTransform() ||
         reader.transformation() == QImageIOHandler::TransformationNone) &&
        sorgente.seek(0)) {
        image = JpegDecoder::decode(sorgente);
        if (!image)
            sorgente.seek(lettoDaQt);
    }
    if (!image)
        image = reader.read();
    if (jpeg && sorgente.pastTheEnd())
        return {};
    return *image;
}

// The copy holds the view scaled down: the same shape, to within the
// rounding of its sides, and longest side `lato`.
bool stessaForma(QSize copia, QSize vista, int lato) {
    const qint64 scarto =
        qint64(copia.width()) * vista.height() - qint64(copia.height()) * vista.width();
    return std::max(copia.width(), copia.height()) == lato &&
           std::abs(scarto) <= std::max(vista.width(), vista.height());
}

} // namespace

QSize misura(FileAperto& file) {
    LetturaSorvegliata sorgente(*file.file);
    // A JPEG's header straight from the decoder: a set-up reads eight, and
    // Qt's reader costs more to set up than the header to read.
    QSize size;
    if (const std::optional<QSize> jpeg = JpegDecoder::size(sorgente)) {
        size = *jpeg;
    } else {
        QImageReader reader(&sorgente);
        reader.setDecideFormatFromContent(true);
        size = reader.size();
    }
    if (!size.isValid() || qint64(size.width()) * size.height() > pixelMassimi)
        return {};
    return size;
}

QSize misuraDecodificata(QSize stored, int lato) {
    // The JPEG decoder scales by eighths at no cost; any other size costs a
    // second, slow resampling. So a picture is decoded at the smallest eighth
    // of its size that covers the boxes, if that is at most a quarter larger,
    // and the box draws it at its own size.
    // Nothing to decode, or no box to decode it for.
    if (stored.isEmpty() || lato <= 0)
        return {};
    const int longest = std::max(stored.width(), stored.height());
    const int eighths = std::clamp(int(std::ceil(8.0 * lato / longest)), 1, 8);
    const QSize eighth((stored.width() * eighths + 7) / 8, (stored.height() * eighths + 7) / 8);
    if (std::max(eighth.width(), eighth.height()) * 4 <= lato * 5)
        return eighth;
    return stored.scaled(lato, lato, Qt::KeepAspectRatio);
}

int latoCopia(int lato) {
    for (int copia : latiCopie)
        if (copia >= lato)
            return copia;
    return 0;
}

QString percorsoCopia(const QString& cartella, int lato, const QString& nome) {
    return cartella + QLatin1Char('/') + QString::number(lato) + QLatin1Char('/') + nome;
}

namespace {

// The copy, when it was made from the view as the view is now and has its
// shape; null otherwise.
QImage leggiCopia(FileAperto& copia, FileAperto& vista, QSize stored, int lato,
                  CopieVerificate* verificate) {
    LetturaSorvegliata sorgente(*copia.file);
    QImageReader reader(&sorgente);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || !stessaForma(size, stored, lato))
        return {};
    if (!verificate || !verificate->note(vista.identity, copia.identity)) {
        const QString impronta = reader.text(QLatin1String(ImprontaVista::chiave));
        // The length first: a view of another length is not read at all.
        if (ImprontaVista::lunghezza(impronta) != vista.identity.size)
            return {};
        vista.file->seek(0);
        if (impronta != ImprontaVista::di(vista.file->readAll()))
            return {};
        if (verificate)
            verificate->ricorda(vista.identity, copia.identity);
    }
    // The copies are made at the boxes' sides: decoded whole, never scaled.
    return leggi(reader, sorgente, {});
}

} // namespace

bool CopieVerificate::note(const Firma& vista, const Firma& copia) const {
    const QMutexLocker lock(&mutex_);
    const auto found = copie_.find(chiave(vista));
    return found != copie_.end() && found->second == copia;
}

void CopieVerificate::ricorda(const Firma& vista, const Firma& copia) {
    const QMutexLocker lock(&mutex_);
    copie_[chiave(vista)] = copia;
}

CopieVerificate::Chiave CopieVerificate::chiave(const Firma& f) {
    return {f.device, f.inode, f.size, f.seconds, f.nanoseconds};
}

PicturePtr decodifica(FileAperto& vista, QSize stored, std::optional<FileAperto> copia, int lato,
                      const QString& chiave, CopieVerificate* verificate) {
    const int latoFile = latoCopia(lato);
    if (copia && std::max(stored.width(), stored.height()) > latoFile) {
        QImage image = leggiCopia(*copia, vista, stored, latoFile, verificate);
        if (!image.isNull())
            return Picture::fromImage(std::move(image), chiave);
    }
    const bool maggiore = stored.width() > lato || stored.height() > lato;
    LetturaSorvegliata sorgente(*vista.file);
    QImageReader reader(&sorgente);
    reader.setDecideFormatFromContent(true);
    return Picture::fromImage(
        leggi(reader, sorgente, maggiore ? misuraDecodificata(stored, lato) : QSize()), chiave);
}

} // namespace VistaFigura
