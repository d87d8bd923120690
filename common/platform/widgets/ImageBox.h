// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/Picture.h"
#include "UniformScaler.h"

#include <QString>
#include <QWidget>

#include <cstdint>

// An image box: shows its picture stretched to its own size, keeps a free
// text tag, and reports clicks with its index in its control array.
// A disabled box raises no click. A pressable box is a button for the
// keyboard and for screen readers: it takes the focus by the keyboard only,
// shows it with a thick frame, and is pressed as it is clicked.
class ImageBox : public QWidget, public Scalable {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr, std::int16_t index = 0);

    std::int16_t index() const { return index_; }

    // An empty picture clears the box.
    void setPicture(PicturePtr picture);
    PicturePtr picture() const { return picture_; }
    // Takes over the picture another box shows: the same picture, no new load.
    void takePictureOf(const ImageBox& other);

    // A load that failed shows a neutral placeholder instead of nothing.
    void setMissing();
    bool isMissing() const { return missing_; }

    QString Tag;

    void setBordered(bool bordered);
    bool bordered() const { return bordered_; }

    void setPressable(bool pressable);
    bool pressable() const { return pressable_; }
    // What a click does: raises clicked if the box is enabled.
    void press();

    // The focus frame: a colour that no window background, picture border
    // or answer frame uses, as thick as a fifteenth of the box.
    static constexpr QRgb focusColour = 0x0050DC; // qRgb(0, 80, 220)
    int focusFrameWidth() const;

signals:
    void clicked(std::int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::int16_t index_;
    PicturePtr picture_;
    bool missing_ = false;
    bool bordered_ = false;
    bool pressed_ = false;
    bool pressable_ = false;
};
