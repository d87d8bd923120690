// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineShape.h"

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

QAccessibleInterface* accessible(LineShape* line) {
    return new QAccessibleWidget(line, QAccessible::Separator);
}

} // namespace

LineShape::LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), width_(width), colour_(colour) {
    Accessibility::registerInterface<LineShape, accessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width / 2 + 1;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
    origin_ = pos();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    painter.setPen(QPen(colour_, width_ * scale(), Qt::SolidLine, Qt::FlatCap));
    // At the stored size the integer end points give exactly the stored pixels.
    if (scale() == 1.0)
        painter.drawLine(from_ - origin_, to_ - origin_);
    else
        painter.drawLine(QPointF(from_ - origin_) * scale(), QPointF(to_ - origin_) * scale());
}
