// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColouredArea.h"

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace {
// How far a window may be made smaller than its stored size.
constexpr qreal smallest = 0.25;

// A surface that is a whole window is one for a screen reader too.
QAccessibleInterface* accessible(ColouredArea* area) {
    return area->isWindow() ? new QAccessibleWidget(area, QAccessible::Window) : nullptr;
}

} // namespace

ColouredArea::ColouredArea(QSize stored, QWidget* parent) : QWidget(parent), scaler_(this, stored) {
    Accessibility::registerInterface<ColouredArea, accessible>();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize((QSizeF(stored) * smallest).toSize());
    resize(stored);
}

QSize ColouredArea::sizeHint() const {
    return scaler_.storedSize();
}

void ColouredArea::setColour(QRgb colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void ColouredArea::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), QColor(colour_));
}
