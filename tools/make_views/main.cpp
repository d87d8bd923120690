// SPDX-License-Identifier: GPL-3.0-or-later
// make_views: renders each figure drawing and writes its eight views (four
// quarter turns of the drawing and four of its mirror image) as JPEG, at the
// full size and as smaller copies in the folders 120/, 240/ and 320/, which
// the program decodes for boxes no larger than that: a small file decodes
// many times faster than a large one scaled down. Each copy carries the
// fingerprint of the view it was made beside.
//
// Usage: make_views <figures-dir> <out-dir> [letter]

#include "common/ImprontaVista.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

constexpr int kSide = 480;
constexpr int kJpegQuality = 90;
// The copies keep more of their few pixels, so they look as the full view
// scaled down does.
constexpr int kCopySides[] = {VORTELIA_VIEW_COPIES};
constexpr int kCopyQuality = 95;
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

// `full`: the folder of the full views, whose fingerprints the copies carry;
// empty when writing the full views themselves.
bool writeViews(const QString& svgPath, const QDir& out, QChar letter, int side, int quality,
                const QString& full = {}) {
    const auto drawn = render(svgPath, side);
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
        const QString name = QString("%1%2.jpg").arg(letter).arg(i + 1);
        const QString path = out.filePath(name);
        if (!full.isEmpty()) {
            QFile view(QDir(full).filePath(name));
            if (!view.open(QIODevice::ReadOnly)) {
                fail("cannot read " + view.fileName());
                return false;
            }
            views[i].setText(ImprontaVista::chiave, ImprontaVista::di(view.readAll()));
        }
        if (!views[i].save(path, "JPEG", quality)) {
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
    if (!writeViews(svgPath, out, letter, kSide, kJpegQuality))
        return false;
    for (int side : kCopySides)
        if (!writeViews(svgPath, QDir(out.filePath(QString::number(side))), letter, side,
                        kCopyQuality, out.path()))
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
