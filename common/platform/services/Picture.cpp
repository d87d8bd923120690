// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include <QPainter>
#include <QSvgRenderer>

std::shared_ptr<const Picture> Picture::fromImage(QImage image, QString file) {
    if (image.isNull())
        return nullptr;
    std::shared_ptr<Picture> picture(new Picture);
    picture->image_ = std::move(image);
    picture->file_ = std::move(file);
    return picture;
}

std::shared_ptr<const Picture> Picture::fromSvg(const QString& path) {
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid())
        return nullptr;
    std::shared_ptr<Picture> picture(new Picture);
    picture->svgPath_ = path;
    picture->svg_ = std::move(renderer);
    return picture;
}

Picture::~Picture() = default;

void Picture::paint(QPainter& painter, const QRectF& target) const {
    if (svg_) {
        svg_->render(&painter, target);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    painter.restore();
}
