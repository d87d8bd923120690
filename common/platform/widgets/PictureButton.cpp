// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace {

// A decorative button is a picture; any other is Qt's push button.
QAccessibleInterface* accessible(PictureButton* button) {
    return button->isDecorative() ? new QAccessibleWidget(button, QAccessible::Graphic) : nullptr;
}

} // namespace

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QPushButton(parent) {
    Accessibility::registerInterface<PictureButton, accessible>();
    setText(caption);
}

void PictureButton::setPicture(const QIcon& picture, QSize size) {
    picture_ = picture;
    pictureSize_ = size;
    update();
}

QSize PictureButton::pictureSize() const {
    return QSize(int(std::lround(pictureSize_.width() * scale())),
                 int(std::lround(pictureSize_.height() * scale())));
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(1, 1);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QString caption = text();
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QRect textBounds =
        caption.isEmpty() ? QRect() : fontMetrics().boundingRect(area, flags, caption);

    if (!picture_.isNull()) {
        const int gap = caption.isEmpty() ? 0 : int(std::lround(2 * scale()));
        // On a low button the picture gives way, so the caption stays whole.
        QSize size = pictureSize();
        const int room = area.height() - gap - textBounds.height();
        if (room < size.height())
            size.scale(size.width(), std::max(int(std::lround(12 * scale())), room),
                       Qt::KeepAspectRatio);
        const int top =
            area.top() +
            std::max(0, (area.height() - size.height() - gap - textBounds.height()) / 2);
        const QRect pictureRect(area.left() + (area.width() - size.width()) / 2, top, size.width(),
                                size.height());
        picture_.paint(&painter, pictureRect, Qt::AlignCenter, mode);
        area.setTop(pictureRect.bottom() + 1 + gap);
    } else {
        area.setTop(area.top() + std::max(0, (area.height() - textBounds.height()) / 2));
    }
    if (!caption.isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(area, flags | Qt::AlignTop, caption);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
