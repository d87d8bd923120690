#pragma once

#include <QIcon>
#include <QPushButton>

// A command button with an optional picture above its caption; long captions
// wrap onto several lines, as they must on the narrow menu buttons. Enter
// presses it as Space does.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

    void setPicture(const QIcon& picture, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QIcon picture_;
    QSize pictureSize_;
};
