// SPDX-License-Identifier: GPL-3.0-or-later
#include "OttoViste.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

namespace OttoViste {

QImage giraOrario(const QImage& src) {
    // (x, y) -> (W-1-y, x), written as an explicit permutation.
    const int w = src.width();
    const QImage in = src.convertToFormat(QImage::Format_RGB32);
    QImage dst(w, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb*>(dst.scanLine(x))[w - 1 - y] = row[x];
    }
    return dst;
}

QImage specchia(const QImage& src) {
    // (x, y) -> (W-1-x, y).
    const int w = src.width();
    const QImage in = src.convertToFormat(QImage::Format_RGB32);
    QImage dst(w, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[w - 1 - x] = row[x];
    }
    return dst;
}

Viste da(const QImage& quadrato) {
    Viste viste;
    viste[0] = quadrato.convertToFormat(QImage::Format_RGB32);
    viste[4] = specchia(viste[0]);
    for (int base : {0, 4})
        for (int k = 1; k < 4; ++k)
            viste[base + k] = giraOrario(viste[base + k - 1]);
    return viste;
}

std::optional<QImage> disegnaSvg(const QString& percorso, int side) {
    QSvgRenderer renderer;
    if (!renderer.load(percorso) || !renderer.isValid())
        return std::nullopt;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(sfondo);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image;
}

namespace {

// Colours this close count as one: scanned paper and JPEG noise differ a little.
constexpr int vicinanza = 24;

bool simili(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= vicinanza &&
           std::abs(qGreen(a) - qGreen(b)) <= vicinanza &&
           std::abs(qBlue(a) - qBlue(b)) <= vicinanza;
}

} // namespace

QRect contenuto(const QImage& immagine) {
    if (immagine.isNull())
        return {};
    const QImage img = immagine.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const QRgb angoli[] = {img.pixel(0, 0), img.pixel(w - 1, 0), img.pixel(0, h - 1),
                           img.pixel(w - 1, h - 1)};
    // A background colour only when the four corners agree and are opaque.
    bool uniforme = qAlpha(angoli[0]) == 255;
    for (QRgb c : angoli)
        uniforme = uniforme && qAlpha(c) == 255 && simili(c, angoli[0]);
    const auto sfondoQui = [&](QRgb c) {
        if (qAlpha(c) < 16)
            return true;
        return uniforme && simili(c, angoli[0]);
    };
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (sfondoQui(row[x]))
                continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    if (x1 < 0)
        return {};
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

QRectF posto(QSizeF parte, int side) {
    const qreal interno = side - 2.0 * margine * side / lato;
    const qreal scala = interno / std::max(parte.width(), parte.height());
    const QSizeF misura = parte * scala;
    return {(side - misura.width()) / 2, (side - misura.height()) / 2, misura.width(),
            misura.height()};
}

QImage centra(const QImage& immagine, const QRect& parte, int side) {
    QImage quadrato(side, side, QImage::Format_RGB32);
    quadrato.fill(sfondo);
    if (parte.isEmpty())
        return quadrato;
    const QRectF dove = posto(parte.size(), side);
    // Scaled down by averaging areas, as a photo needs; a painter's own
    // scaling would drop pixels.
    const QImage scalata = immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                               .copy(parte)
                               .scaled(qRound(dove.width()), qRound(dove.height()),
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&quadrato);
    painter.drawImage(QPointF(qRound(dove.x()), qRound(dove.y())), scalata);
    return quadrato;
}

} // namespace OttoViste
