#include "QtMessageBox.h"

#include <QMessageBox>

MessageBoxService::Answer QtMessageBox::show(QWidget* parent, const Request& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::Information);
    if (request.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
