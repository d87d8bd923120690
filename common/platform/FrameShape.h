#pragma once

#include <QColor>
#include <QWidget>

// A rectangle outline laid over another control; clicks pass through it.
class FrameShape : public QWidget {
    Q_OBJECT

public:
    FrameShape(QRect rect, int width, QColor colour, QWidget* parent);

    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int width_;
    QColor colour_;
};
