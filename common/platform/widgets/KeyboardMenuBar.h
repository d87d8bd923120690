// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenuBar>
#include <QPointer>

// A menu bar of plain entries that the keyboard can reach: F10 or Alt alone
// (the window passes them on through enterKeyboardMode) highlight the first
// entry, Left and Right move the highlight, Enter or Space trigger the
// entry, Escape leaves. Left alone it draws exactly as a plain menu bar.
class KeyboardMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit KeyboardMenuBar(QWidget* parent = nullptr);

    void enterKeyboardMode();
    void leaveKeyboardMode();
    bool inKeyboardMode() const { return highlighted_ >= 0; }
    // The highlighted entry, or nullptr outside the keyboard mode.
    QAction* highlightedAction() const;

    // The bar is not scaled with the window's layout: its font grows a
    // little, in steps, up to half as large again, so that its entries are
    // easy to hit on a board. It follows the whole window's size against
    // `stored`, the layout's size below the bar; keepStoredHeight() notes the
    // bar's own height first, with all its entries.
    void keepStoredHeight();
    void followWindow(QSize stored, QSize windowSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void highlight(qsizetype index);

    qsizetype highlighted_ = -1;
    int storedHeight_ = 0;
    qreal fontScale_ = 1.0;
    QPointer<QWidget> returnFocusTo_;
};
