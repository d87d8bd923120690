#include "LineShape.h"

#include "Accessibility.h"

#include <QPainter>

LineShape::LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), width_(width), colour_(colour) {
    Accessibility::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width / 2 + 1;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_ - pos(), to_ - pos());
}
