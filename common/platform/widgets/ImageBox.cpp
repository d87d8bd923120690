// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageBox.h"

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// A button when it can be pressed, a picture otherwise.
class ImageBoxAccessible : public QAccessibleWidget {
public:
    explicit ImageBoxAccessible(ImageBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && box()->pressable())
            box()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

QAccessibleInterface* accessible(ImageBox* box) {
    return new ImageBoxAccessible(box);
}

} // namespace

ImageBox::ImageBox(QWidget* parent, std::int16_t index) : QWidget(parent), index_(index) {
    Accessibility::registerInterface<ImageBox, accessible>();
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setPressable(bool pressable) {
    pressable_ = pressable;
    // The mouse never gives a box the focus, so it never shows the frame.
    setFocusPolicy(pressable ? Qt::TabFocus : Qt::NoFocus);
}

void ImageBox::press() {
    if (isEnabled())
        emit clicked(index_);
}

int ImageBox::focusFrameWidth() const {
    return std::max(3, qRound(width() / 15.0));
}

void ImageBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ImageBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ImageBox::setPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    missing_ = false;
    update();
}

void ImageBox::takePictureOf(const ImageBox& other) {
    picture_ = other.picture_;
    missing_ = other.missing_;
    update();
}

void ImageBox::setMissing() {
    picture_.reset();
    missing_ = true;
    update();
}

void ImageBox::setBordered(bool bordered) {
    bordered_ = bordered;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A single-line border of whole pixels: one at the stored size.
    const qreal border = std::max(1.0, std::round(scale()));
    const QRectF inside =
        bordered_ ? QRectF(rect()).adjusted(border, border, -border, -border) : QRectF(rect());
    if (picture_) {
        picture_->paint(painter, inside);
    } else if (missing_) {
        const qreal s = scale();
        painter.fillRect(inside, QColor(225, 225, 225));
        painter.setPen(QPen(QColor(150, 150, 150), 2 * s, Qt::DashLine));
        painter.drawRect(inside.adjusted(6 * s, 6 * s, -6 * s, -6 * s));
        painter.drawLine(inside.center() - QPointF(12 * s, 0),
                         inside.center() + QPointF(12 * s, 0));
    }
    if (bordered_) {
        const qreal half = border / 2;
        painter.setPen(QPen(Qt::black, border));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
    if (pressable_ && hasFocus()) {
        const int width = focusFrameWidth();
        const qreal half = width / 2.0;
        painter.setPen(
            QPen(QColor(focusColour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the box, as pupils expect.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        press();
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double click is not a new click, so a quick
    // double tap on a candidate is judged once.
    pressed_ = false;
}
