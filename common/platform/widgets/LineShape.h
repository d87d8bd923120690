// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformScaler.h"

#include <QColor>
#include <QWidget>

// A straight line drawn over the window (separators and axes of symmetry).
// It takes no clicks.
class LineShape : public QWidget, public Scalable {
    Q_OBJECT

public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent);

    // The stored end points and width, in the window's stored layout.
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QPoint origin_; // stored top-left corner of the widget
    int width_;
    QColor colour_;
};
