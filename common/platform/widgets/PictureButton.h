// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UniformScaler.h"

#include <QIcon>
#include <QPushButton>

// A command button with an optional picture above its caption; long captions
// wrap onto several lines, as they must on the narrow menu buttons. Enter
// presses it as Space does.
class PictureButton : public QPushButton, public Scalable {
    Q_OBJECT

public:
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

    // size: at the stored layout; the picture grows with the window.
    void setPicture(const QIcon& picture, QSize size);
    QSize pictureSize() const;

    // A button that only shows: a screen reader meets a picture, with no
    // action to offer.
    void setDecorative(bool decorative) { decorative_ = decorative; }
    bool isDecorative() const { return decorative_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The second press of a double click (or a double tap) is not a second click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QIcon picture_;
    QSize pictureSize_;
    bool decorative_ = false;
};
