#include "AreaColorata.h"

#include <QPaintEvent>
#include <QPainter>

AreaColorata::AreaColorata(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
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
