// SPDX-License-Identifier: GPL-3.0-or-later
// make_views: renders each figure drawing and writes its eight views (four
// quarter turns of the drawing and four of its mirror image) as JPEG, at the
// full size and as smaller copies in the folders 120/, 240/ and 300/, which
// the program decodes for boxes no larger than that: a small file decodes
// many times faster than a large one scaled down. Each copy carries the
// fingerprint of the view it was made beside.
//
// Usage: make_views <figures-dir> <out-dir> [letter]

#include "common/ImprontaVista.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <jpeglib.h>
#include <optional>

namespace {

constexpr int kSide = 480;
constexpr int kJpegQuality = 90;
// The copies keep more of their few pixels, so they look as the full view
// scaled down does.
constexpr int kCopySides[] = {VORTELIA_VIEW_COPIES};
constexpr int kCopyQuality = 95;
static_assert(std::all_of(std::begin(kCopySides), std::end(kCopySides),
                          [](int side) { return side < kSide && side * 8 % kSide == 0; }),
              "a copy's side is an eighth of the full side, smaller than it");
const QColor kBackground(0xFF, 0xFD, 0xF5);

void fail(const QString& message) {
    std::fprintf(stderr, "make_views: %s\n", qPrintable(message));
}

// Quarter turn clockwise as seen on screen: (x, y) -> (W-1-y, x).
// Written as an explicit permutation so every view is exact before encoding.
QImage turnClockwise(const QImage& src) {
    const int w = src.width();
    QImage dst(w, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb*>(dst.scanLine(x))[w - 1 - y] = row[x];
    }
    return dst;
}

// Reflection in a vertical axis: (x, y) -> (W-1-x, y).
QImage mirrorLeftRight(const QImage& src) {
    const int w = src.width();
    QImage dst(w, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[w - 1 - x] = in[x];
    }
    return dst;
}

std::optional<QImage> render(const QString& svgPath, int side) {
    QSvgRenderer renderer;
    if (!renderer.load(svgPath) || !renderer.isValid())
        return std::nullopt;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image;
}

bool writeViews(const QString& svgPath, const QDir& out, QChar letter) {
    const auto drawn = render(svgPath, kSide);
    if (!drawn) {
        fail("invalid SVG " + svgPath);
        return false;
    }

    // Views 1-4: the drawing turned 0..3 quarter turns clockwise;
    // views 5-8: the same for its mirror image.
    QImage views[8];
    views[0] = *drawn;
    views[4] = mirrorLeftRight(*drawn);
    for (int base : {0, 4})
        for (int k = 1; k < 4; ++k)
            views[base + k] = turnClockwise(views[base + k - 1]);

    for (int i = 0; i < 8; ++i) {
        const QString path = out.filePath(QString("%1%2.jpg").arg(letter).arg(i + 1));
        if (!views[i].save(path, "JPEG", kJpegQuality)) {
            fail("cannot write " + path);
            return false;
        }
    }
    return true;
}

// Writes a JPEG whose colours keep every pixel (no chroma subsampling, which
// at these small sizes would blur the coloured outlines visibly), carrying
// the fingerprint of its full view as a comment the program reads.
bool writeFullColour(const QImage& image, const QString& path, const QString& fingerprint) {
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr); // a fault aborts the build tool: acceptable
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kCopyQuality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    const QByteArray comment = QByteArray(ImprontaVista::chiave) + ": " + fingerprint.toLatin1();
    jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.constData()),
                      unsigned(comment.size()));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

// A copy is the view as the JPEG decoder scales it down by itself (the sides
// are eighths of the full side), which is how the view looked in boxes of
// that size when it was decoded from the full file: the copies change how
// fast a picture is ready, not how it looks.
bool writeCopies(const QDir& out, QChar letter, int side) {
    const QDir copies(out.filePath(QString::number(side)));
    for (int n = 1; n <= 8; ++n) {
        const QString name = QString("%1%2.jpg").arg(letter).arg(n);
        QFile view(out.filePath(name));
        if (!view.open(QIODevice::ReadOnly)) {
            fail("cannot read " + view.fileName());
            return false;
        }
        const QByteArray bytes = view.readAll();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "JPEG");
        reader.setScaledSize(QSize(side, side));
        QImage copy = reader.read();
        if (copy.isNull()) {
            fail("cannot decode " + view.fileName());
            return false;
        }
        const QString path = copies.filePath(name);
        if (!writeFullColour(copy, path, ImprontaVista::di(bytes))) {
            fail("cannot write " + path);
            return false;
        }
    }
    return true;
}

bool makeViews(const QDir& figures, const QDir& out, QChar letter) {
    const QString svgPath = figures.filePath(QString(letter) + ".svg");
    if (!QFileInfo::exists(svgPath)) {
        fail("missing drawing " + svgPath);
        return false;
    }
    if (!writeViews(svgPath, out, letter))
        return false;
    for (int side : kCopySides)
        if (!writeCopies(out, letter, side))
            return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        fail("usage: make_views <figures-dir> <out-dir> [letter]");
        return 2;
    }

    QString letters = "abcdefghijklmnopqrstuvwxyz";
    if (args.size() == 4) {
        const QString only = args.at(3);
        if (only.size() != 1 || !letters.contains(only)) {
            fail("the optional third argument must be one letter a..z");
            return 2;
        }
        letters = only;
    }

    const QDir figures(args.at(1));
    const QDir out(args.at(2));
    QStringList folders = {out.path()};
    for (int side : kCopySides)
        folders << out.filePath(QString::number(side));
    for (const QString& path : folders)
        if (!QDir().mkpath(path)) {
            fail("cannot create output folder " + path);
            return 1;
        }

    for (QChar letter : letters)
        if (!makeViews(figures, out, letter))
            return 1;
    return 0;
}
