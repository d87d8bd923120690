// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

AfterFirstPaint::AfterFirstPaint(QWidget* widget, std::function<void()> task)
    : QObject(widget), task_(std::move(task)) {
    widget->installEventFilter(this);
}

void AfterFirstPaint::run(QWidget* widget, std::function<void()> task) {
    if (widget)
        new AfterFirstPaint(widget, std::move(task));
    else
        QTimer::singleShot(0, std::move(task));
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so the painted window reaches the screen first.
        QTimer::singleShot(0, std::move(task_));
        deleteLater();
    }
    return false;
}
