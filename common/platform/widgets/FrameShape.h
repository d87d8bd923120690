// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformScaler.h"

#include <QColor>
#include <QWidget>

// A rectangle outline laid over another control; clicks pass through it.
class FrameShape : public QWidget, public Scalable {
    Q_OBJECT

public:
    FrameShape(QRect rect, int width, QColor colour, QWidget* parent);

    // The stored width, in the window's stored layout.
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int width_;
    QColor colour_;
};
