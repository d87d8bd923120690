// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenBox.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace OpenBox {

void whenShown(std::function<void(QWidget*)> action, bool* stuck) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, stuck] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> watched = box;
        action(box);
        if (!watched)
            return;
        // Gone with the box: while the box is open the test still waits for it.
        QTimer::singleShot(5000, watched, [watched, stuck] {
            if (watched->isVisible()) {
                *stuck = true;
                watched->close();
            }
        });
    });
    timer->start();
}

} // namespace OpenBox
