// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

// A picture shown in an image box: a decoded JPEG or a vector drawing.
// Boxes share pictures through shared pointers, so handing a picture to
// another box copies nothing and reads no file.
class Picture {
public:
    // file: where the image was read from, so it can be read again at another size.
    static std::shared_ptr<const Picture> fromImage(QImage image, QString file = {});
    // A vector picture, for the stored pictures in the resources.
    static std::shared_ptr<const Picture> fromSvg(const QString& path);

    ~Picture();

    // Stretched to the whole rectangle, as an image box shows it.
    void paint(QPainter& painter, const QRectF& target) const;
    QImage image() const { return image_; }
    QString svgPath() const { return svgPath_; }
    QString file() const { return file_; }

private:
    Picture() = default;

    QImage image_;
    QString file_;
    QString svgPath_;
    std::unique_ptr<QSvgRenderer> svg_;
};

using PicturePtr = std::shared_ptr<const Picture>;
