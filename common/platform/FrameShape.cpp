#include "FrameShape.h"

#include "Accessibility.h"

#include <QPainter>

FrameShape::FrameShape(QRect rect, int width, QColor colour, QWidget* parent)
    : QWidget(parent), width_(width), colour_(colour) {
    Accessibility::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(rect);
}

void FrameShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal half = width_ / 2.0;
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
