// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaColorata.h"

#include "Accessibility.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
// How far a window may be made smaller than its stored size.
constexpr qreal smallest = 0.25;
} // namespace

AreaColorata::AreaColorata(QSize stored, QWidget* parent) : QWidget(parent), scaler_(this, stored) {
    Accessibility::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize((QSizeF(stored) * smallest).toSize());
    resize(stored);
}

QSize AreaColorata::sizeHint() const {
    return scaler_.storedSize();
}

void AreaColorata::setColore(QRgb colour) {
    if (colour == colore_)
        return;
    colore_ = colour;
    update();
}

void AreaColorata::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), QColor(colore_));
}
