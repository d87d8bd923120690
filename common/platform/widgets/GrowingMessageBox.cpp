// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrowingMessageBox.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <algorithm>

QRect GrowingMessageBox::room() const {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void GrowingMessageBox::applyFactor(qreal f) {
    QFont grown = usualFont_;
    const qreal points =
        usualFont_.pointSizeF() > 0 ? usualFont_.pointSizeF() : QFontInfo(usualFont_).pointSizeF();
    grown.setPointSizeF(points * f);
    setFont(grown);
    if (usualIcon_ != NoIcon) {
        // The style's icon is drawn for its usual size: enlarged smoothly.
        const auto standard = usualIcon_ == Question ? QStyle::SP_MessageBoxQuestion
                                                     : QStyle::SP_MessageBoxInformation;
        const qreal ratio = devicePixelRatioF();
        const int side = qRound(usualIconSide_ * f * ratio);
        QPixmap picture = style()
                              ->standardIcon(standard, nullptr, this)
                              .pixmap(QSize(usualIconSide_, usualIconSide_) * 4, ratio)
                              .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        setIconPixmap(picture);
    }
    for (const auto& [button, usual] : std::as_const(usualButtons_))
        button->setMinimumSize((QSizeF(usual) * f).toSize());
}

int GrowingMessageBox::widest(const QRect& space) {
    // The toolkit's limit on a box's width, which it enforces when shown.
    return space.width() <= 1024 ? space.width() : std::min(space.width() - 480, 1000);
}

QSize GrowingMessageBox::wanted() {
    // Lines kept whole: the text's own width is the least the label takes.
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(
            label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, label->text()).width() + 1);
    layout()->activate();
    return layout()->totalMinimumSize().expandedTo(layout()->totalSizeHint());
}

void GrowingMessageBox::grow(qreal factor) {
    if (factor <= 1.0)
        return;
    usualFont_ = font();
    usualIcon_ = icon();
    usualIconSide_ = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    for (QAbstractButton* button : buttons())
        usualButtons_.append({button, button->sizeHint()});
    const QRect space = room();
    for (qreal f = factor;; f = std::max(1.0, f * 0.9)) {
        applyFactor(f);
        factor_ = f;
        const QSize size = wanted();
        if (space.isEmpty() || (size.width() <= widest(space) && size.height() <= space.height()))
            return;
        if (f == 1.0) {
            // Not even the usual size holds its lines whole: let them wrap.
            if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                label->setMinimumWidth(0);
            return;
        }
    }
}
