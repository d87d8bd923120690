// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileViste.h"

#include "ImprontaVista.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace FileViste {

namespace {

constexpr int qualitaVista = 90;
// The copies keep more of their few pixels, so they look as the full view
// scaled down does.
constexpr int qualitaCopia = 95;

// A fault in the encoder returns here instead of ending the program.
struct Errore {
    jpeg_error_mgr base;
    std::jmp_buf ritorno;
};

[[noreturn]] void esci(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Errore*>(cinfo->err)->ritorno, 1);
}

// A JPEG whose colours keep every pixel (no chroma subsampling, which at
// these small sizes would blur the coloured outlines visibly), carrying the
// fingerprint as a comment the program reads.
QByteArray pienoColore(const QImage& image, const QByteArray& commento) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    Errore errore{};
    cinfo.err = jpeg_std_error(&errore.base);
    errore.base.error_exit = esci;
    unsigned char* buffer = nullptr;
    unsigned long lunghezza = 0;
    if (setjmp(errore.ritorno)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &lunghezza);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualitaCopia, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(commento.constData()),
                      unsigned(commento.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(lunghezza));
    std::free(buffer);
    return bytes;
}

} // namespace

QList<int> latiCopie() {
    return {VORTELIA_VIEW_COPIES};
}

QString nome(QChar lettera, int numero) {
    return lettera + QString::number(numero) + QStringLiteral(".jpg");
}

QByteArray codifica(const QImage& vista) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!vista.save(&buffer, "JPEG", qualitaVista))
        return {};
    return bytes;
}

// The copies are how the view looked in boxes of that size when it was
// decoded from the full file: they change how fast a picture is ready, not
// how it looks.
QByteArray copia(const QByteArray& vista, int side) {
    QBuffer buffer;
    buffer.setData(vista);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "JPEG");
    reader.setScaledSize(QSize(side, side));
    const QImage scalata = reader.read();
    if (scalata.isNull())
        return {};
    return pienoColore(scalata, QByteArray(ImprontaVista::chiave) + ": " +
                                    ImprontaVista::di(vista).toLatin1());
}

File di(QChar lettera, const OttoViste::Viste& viste) {
    File file;
    for (int i = 0; i < OttoViste::numero; ++i) {
        const QByteArray vista = codifica(viste[i]);
        if (vista.isEmpty())
            return {};
        file.append({nome(lettera, i + 1), vista});
    }
    for (int side : latiCopie())
        for (int i = 0; i < OttoViste::numero; ++i) {
            const QByteArray piccola = copia(file.at(i).second, side);
            if (piccola.isEmpty())
                return {};
            file.append({QString::number(side) + QLatin1Char('/') + nome(lettera, i + 1), piccola});
        }
    return file;
}

bool scrivi(const QString& cartella, const File& file, QString* errore) {
    const QDir dir(cartella);
    for (const auto& [nomeFile, bytes] : file) {
        const QString percorso = dir.filePath(nomeFile);
        // Committed only once written out to the disk.
        QSaveFile out(percorso);
        if (!dir.mkpath(QFileInfo(percorso).path()) || !out.open(QIODevice::WriteOnly) ||
            out.write(bytes) != bytes.size() || !out.commit()) {
            if (errore)
                *errore = percorso;
            return false;
        }
    }
    return true;
}

} // namespace FileViste
