// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBox.h"

#include "ColouredArea.h"
#include "GrowingMessageBox.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

QString QtMessageBox::spokenText(const QString& text) {
    // A line of rules and dots draws; a screen reader need not spell it out.
    // (Plain string work: a regular expression engine would stay in memory
    // for the program's whole life for this.)
    const auto drawing = [](const QString& line) {
        return std::all_of(line.begin(), line.end(), [](QChar c) {
            return c.isSpace() || QStringView(u"-_=*~.").contains(c);
        });
    };
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList spoken;
    for (const QString& line : lines.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !drawing(trimmed))
            spoken << trimmed;
    }
    return spoken.join(QLatin1Char('\n'));
}

qreal QtMessageBox::scaleFor(const QWidget* window) {
    if (!window)
        return 1.0;
    auto* surface = qobject_cast<const ColouredArea*>(window);
    if (!surface)
        surface = window->findChild<const ColouredArea*>();
    return surface ? std::max(1.0, surface->scaler().scale()) : 1.0;
}

MessageBoxService::Answer QtMessageBox::show(QWidget* parent, const Request& request) {
    // The box may be destroyed while it waits (with its window, by another
    // program, or with its parent): it lives on the heap and is watched, and
    // a box that is gone counts as closed without an answer.
    QPointer<GrowingMessageBox> box = new GrowingMessageBox(parent);
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
    box->grow(scaleFor(parent));
    const QPointer<QWidget> owner = parent ? parent->window() : nullptr;
    const int pressed = box->exec();
    const bool answered = !box.isNull();
    delete box.data();
    // Without a window manager nobody hands the keyboard back to the window
    // the box belonged to, and its keys (F11) would reach nothing.
    if (owner && owner->isVisible())
        owner->activateWindow();
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return answered && pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
