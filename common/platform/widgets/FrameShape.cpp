// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameShape.h"

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <cmath>

namespace {

QAccessibleInterface* accessible(FrameShape* frame) {
    return new QAccessibleWidget(frame, QAccessible::Graphic);
}

} // namespace

FrameShape::FrameShape(QRect rect, int width, QColor colour, QWidget* parent)
    : QWidget(parent), width_(width), colour_(colour) {
    Accessibility::registerInterface<FrameShape, accessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(rect);
}

void FrameShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Whole device pixels, so the frame's inner edge stays sharp and its
    // thickness follows a fractional desktop scale too.
    const qreal ratio = devicePixelRatioF();
    const qreal width = std::max(1.0, std::round(width_ * scale() * ratio)) / ratio;
    const qreal half = width / 2.0;
    painter.setPen(QPen(colour_, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
