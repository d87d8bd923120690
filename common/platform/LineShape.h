#pragma once

#include <QColor>
#include <QWidget>

// A straight line drawn over the window (separators and axes of symmetry).
// It takes no clicks.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    int width_;
    QColor colour_;
};
