// SPDX-License-Identifier: GPL-3.0-or-later
#include "FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

int FitLabel::room() const {
    return contentsRect().width() - 2 * margin();
}

QFont FitLabel::shownFont() const {
    return fitting(font(), text(), room());
}

QFont FitLabel::fitting(QFont font, const QString& caption, qreal width, qreal height) {
    const auto fits = [&](const QFont& f) {
        const QFontMetricsF metrics(f);
        return metrics.horizontalAdvance(caption) <= width &&
               (height <= 0 || metrics.height() <= height);
    };
    if (fits(font))
        return font;
    const QFontMetricsF metrics(font);
    const qreal wanted = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    qreal ratio = std::min(1.0, width / std::max(1.0, metrics.horizontalAdvance(caption)));
    if (height > 0)
        ratio = std::min(ratio, height / metrics.height());
    constexpr qreal smallest = 4;
    for (qreal size = std::max(wanted * ratio, smallest);; size -= 0.25) {
        font.setPointSizeF(std::max(size, smallest));
        if (size <= smallest || fits(font))
            return font;
    }
}

void FitLabel::paintEvent(QPaintEvent* event) {
    const QFont font = shownFont();
    if (font == this->font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const qreal width = QFontMetricsF(font).horizontalAdvance(text());
    qreal x = area.left();
    if (alignment() & Qt::AlignRight)
        x = area.right() + 1 - width;
    else if (alignment() & Qt::AlignHCenter)
        x = area.left() + (area.width() - width) / 2;
    // The baseline the caption has in the label's own font.
    const qreal baseline = area.top() + QFontMetricsF(this->font()).ascent();
    painter.drawText(QPointF(x, baseline), text());
}
