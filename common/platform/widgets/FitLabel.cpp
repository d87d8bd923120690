// SPDX-License-Identifier: GPL-3.0-or-later
#include "FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

int FitLabel::room() const {
    return contentsRect().width() - 2 * margin();
}

QFont FitLabel::shownFont() const {
    const QString caption = text();
    QFont font = this->font();
    if (QFontMetricsF(font).horizontalAdvance(caption) <= room())
        return font;
    const qreal wanted = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    qreal size = wanted * room() / QFontMetricsF(font).horizontalAdvance(caption);
    constexpr qreal smallest = 4;
    for (size = std::max(size, smallest);; size -= 0.25) {
        font.setPointSizeF(std::max(size, smallest));
        if (size <= smallest || QFontMetricsF(font).horizontalAdvance(caption) <= room())
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
