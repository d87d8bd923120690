// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBox.h"

#include <QMessageBox>
#include <QPointer>

MessageBoxService::Answer QtMessageBox::show(QWidget* parent, const Request& request) {
    // The box may be destroyed while it waits (with its window, by another
    // program, or with its parent): it lives on the heap and is watched, and
    // a box that is gone counts as closed without an answer.
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(request.title);
    box->setText(request.text);
    box->setIcon(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::Information);
    if (request.buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box->exec();
    const bool answered = !box.isNull();
    delete box.data();
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return answered && pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
