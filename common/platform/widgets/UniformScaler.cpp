// SPDX-License-Identifier: GPL-3.0-or-later
#include "UniformScaler.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <cmath>

void Scalable::setScale(qreal scale) {
    if (scale == scale_)
        return;
    scale_ = scale;
    // Every scalable control is a widget.
    if (auto* widget = dynamic_cast<QWidget*>(this))
        widget->update();
}

namespace {

int scaled(int v, qreal s, qreal shift = 0) {
    return static_cast<int>(std::lround(v * s + shift));
}

QFont scaledFont(const QFont& stored, qreal s) {
    QFont font = stored;
    if (stored.pointSizeF() > 0)
        font.setPointSizeF(stored.pointSizeF() * s);
    else if (stored.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(stored.pixelSize(), s)));
    return font;
}

// The height a wrapped caption takes in a box of that width.
int captionHeight(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(1, width), 100000), Qt::TextWordWrap, text)
        .height();
}

QString caption(const QWidget& control) {
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->wordWrap() ? label->text() : QString();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

} // namespace

UniformScaler::UniformScaler(QWidget* surface, QSize stored)
    : QObject(surface), surface_(surface), stored_(stored) {
    surface_->installEventFilter(this);
}

qreal UniformScaler::scaleFor(QSize stored, QSize available) {
    if (stored.isEmpty() || available.isEmpty())
        return 1.0;
    return std::min(qreal(available.width()) / stored.width(),
                    qreal(available.height()) / stored.height());
}

QRect UniformScaler::toSurface(const QRect& r) const {
    // Edges are scaled, not sizes, so boxes that touch in the stored layout
    // still touch.
    const int left = scaled(r.left(), scale_, offset_.x());
    const int top = scaled(r.top(), scale_, offset_.y());
    const int right = scaled(r.left() + r.width(), scale_, offset_.x());
    const int bottom = scaled(r.top() + r.height(), scale_, offset_.y());
    return QRect(left, top, right - left, bottom - top);
}

void UniformScaler::place(QWidget& control, const Stored& stored) const {
    const QRect geometry = toSurface(stored.geometry);
    if (control.geometry() != geometry)
        control.setGeometry(geometry);
    // A control that runs past the stored edge is cut there, as the window's
    // edge cuts it at the stored size, and never paints over the margins.
    const QRect area(QPoint(), stored_);
    if (!area.contains(stored.geometry)) {
        if (scale_ != 1.0 || !offset_.isNull())
            control.setMask(toSurface(area & stored.geometry).translated(-geometry.topLeft()));
        else
            control.clearMask();
    }

    QFont font = scaledFont(stored.font, scale_);
    // Font sizes do not grow quite linearly: a caption that fitted its stored
    // box is made a little smaller rather than lose a line at the bottom.
    const QString text = scale_ == 1.0 ? QString() : caption(control);
    if (!text.isEmpty() &&
        captionHeight(stored.font, stored.geometry.width(), text) <= stored.geometry.height()) {
        for (int step = 0; step < 4 && captionHeight(font, geometry.width(), text) >
                                           scaled(stored.geometry.height(), scale_);
             ++step)
            font = scaledFont(stored.font, scale_ * (0.96 - 0.04 * step));
    }
    if (control.font() != font)
        control.setFont(font);
    if (auto* scalable = dynamic_cast<Scalable*>(&control))
        scalable->setScale(scale_);
}

void UniformScaler::apply() {
    const QSize size = surface_->size();
    const qreal s = scaleFor(stored_, size);
    const bool changed = s != scale_;
    scale_ = s;
    offset_ = QPointF((size.width() - stored_.width() * s) / 2,
                      (size.height() - stored_.height() * s) / 2);
    for (QObject* child : surface_->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow())
            continue;
        auto found = controls_.constFind(control);
        if (found == controls_.constEnd())
            found = controls_.insert(control, {control->geometry(), control->font()});
        place(*control, found.value());
    }
    if (changed)
        emit scaleChanged(scale_);
}

bool UniformScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == surface_) {
        if (event->type() == QEvent::Resize)
            apply();
        else if (event->type() == QEvent::ChildRemoved)
            controls_.remove(static_cast<QChildEvent*>(event)->child());
    }
    return false;
}
