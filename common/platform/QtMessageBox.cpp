// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBox.h"

#include "AreaColorata.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>

#include <algorithm>

QString QtMessageBox::spokenText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression drawing(QStringLiteral("^[\\s\\-_=*~.]*$"));
    QStringList spoken;
    for (const QString& line : text.split(lineBreak)) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !drawing.match(trimmed).hasMatch())
            spoken << trimmed;
    }
    return spoken.join(QLatin1Char('\n'));
}

qreal QtMessageBox::scaleFor(const QWidget* window) {
    if (!window)
        return 1.0;
    auto* surface = qobject_cast<const AreaColorata*>(window);
    if (!surface)
        surface = window->findChild<const AreaColorata*>();
    return surface ? std::max(1.0, surface->scaler().scale()) : 1.0;
}

void QtMessageBox::scale(QMessageBox& box, qreal factor) {
    if (factor <= 1.0)
        return;
    const QScreen* screen = box.parentWidget() ? box.parentWidget()->screen() : box.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize();
    const QFont font = box.font();
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    const QMessageBox::Icon icon = box.icon();
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    // Buttons keep a least width of their own, which grows too.
    QList<std::pair<QAbstractButton*, QSize>> buttons;
    for (QAbstractButton* button : box.buttons())
        buttons.append({button, button->sizeHint()});
    for (qreal f = factor;; f = std::max(1.0, f * 0.9)) {
        QFont grown = font;
        grown.setPointSizeF(points * f);
        box.setFont(grown);
        if (icon != QMessageBox::NoIcon) {
            const auto standard = icon == QMessageBox::Question ? QStyle::SP_MessageBoxQuestion
                                                                : QStyle::SP_MessageBoxInformation;
            const int grownSide = qRound(side * f);
            box.setIconPixmap(box.style()
                                  ->standardIcon(standard, nullptr, &box)
                                  .pixmap(QSize(grownSide, grownSide), box.devicePixelRatioF()));
        }
        for (const auto& [button, usual] : std::as_const(buttons))
            button->setMinimumSize((QSizeF(usual) * f).toSize());
        box.adjustSize();
        const QSize size = box.sizeHint().expandedTo(box.size());
        if (f == 1.0 || room.isEmpty() ||
            (size.width() <= room.width() && size.height() <= room.height()))
            return;
    }
}

MessageBoxService::Answer QtMessageBox::show(QWidget* parent, const Request& request) {
    // The box may be destroyed while it waits (with its window, by another
    // program, or with its parent): it lives on the heap and is watched, and
    // a box that is gone counts as closed without an answer.
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(request.title);
    box->setText(request.text);
    const QString spoken = spokenText(request.text);
    if (spoken != request.text) {
        box->setAccessibleDescription(spoken);
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            label->setAccessibleName(spoken);
    }
    box->setIcon(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::Information);
    if (request.buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    scale(*box, scaleFor(parent));
    const int pressed = box->exec();
    const bool answered = !box.isNull();
    delete box.data();
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return answered && pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
