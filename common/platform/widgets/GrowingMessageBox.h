// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>

#include <utility>

class QAbstractButton;

// A message box that can grow with the window it belongs to: text, buttons
// and icon by one factor, or by as much of it as the screen holds with the
// lines whole. Not grown, it is the toolkit's own.
class GrowingMessageBox : public QMessageBox {
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

    // Once the text, icon and buttons are set, before the box is shown.
    void grow(qreal factor);
    qreal factor() const { return factor_; }

private:
    void applyFactor(qreal f);
    // The size the grown box wants with its lines whole.
    QSize wanted();
    static int widest(const QRect& space);
    QRect room() const;

    qreal factor_ = 1.0;
    QFont usualFont_;
    int usualIconSide_ = 0;
    Icon usualIcon_ = NoIcon;
    QList<std::pair<QAbstractButton*, QSize>> usualButtons_;
};
