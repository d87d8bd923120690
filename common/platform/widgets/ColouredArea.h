// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformScaler.h"

#include <QColor>
#include <QWidget>

// A window surface that paints its own background colour and shows its
// controls at their stored layout, scaled to whatever size it is given; the
// margins left over are the same colour. Recolouring it touches no palette,
// so the controls on it keep theirs and nothing is redrawn but the surface:
// the palette would travel down to every child.
class ColouredArea : public QWidget {
    Q_OBJECT

public:
    // stored: the client area the controls are laid out in, in pixels.
    explicit ColouredArea(QSize stored, QWidget* parent = nullptr);

    void setColour(QRgb colour);
    QRgb colour() const { return colour_; }

    UniformScaler& scaler() { return scaler_; }
    const UniformScaler& scaler() const { return scaler_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRgb colour_ = qRgb(0, 255, 255);
    UniformScaler scaler_;
};
