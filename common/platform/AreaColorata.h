#pragma once

#include <QColor>
#include <QWidget>

// A window surface that paints its own background colour. Recolouring it
// touches no palette, so the controls on it keep theirs and nothing is
// redrawn but the surface: the palette would travel down to every child.
class AreaColorata : public QWidget {
    Q_OBJECT

public:
    explicit AreaColorata(QWidget* parent = nullptr);

    void setColore(QRgb colour);
    QRgb colore() const { return colore_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRgb colore_ = qRgb(0, 255, 255);
};
