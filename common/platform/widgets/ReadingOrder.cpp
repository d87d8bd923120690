// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingOrder.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace ReadingOrder {

QList<QWidget*> sorted(QList<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    QList<QWidget*> result;
    result.reserve(controls.size());
    for (qsizetype start = 0; start < controls.size();) {
        const QRect first = controls[start]->geometry();
        qsizetype end = start + 1;
        while (end < controls.size() &&
               controls[end]->geometry().top() - first.top() < std::max(1, first.height() / 2))
            ++end;
        QList<QWidget*> row = controls.mid(start, end - start);
        std::stable_sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        result << row;
        start = end;
    }
    return result;
}

QWidget* nearest(const QList<QWidget*>& controls, const QWidget* from, int arrowKey) {
    if (!from)
        return nullptr;
    const QPoint origin = from->geometry().center();
    QWidget* best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (QWidget* control : controls) {
        if (control == from)
            continue;
        const QPoint d = control->geometry().center() - origin;
        long along = 0;
        long across = 0;
        switch (arrowKey) {
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Down:
            along = d.y(), across = d.x();
            break;
        case Qt::Key_Up:
            along = -d.y(), across = d.x();
            break;
        default:
            return nullptr;
        }
        if (along <= 0)
            continue;
        const long score = along + 2 * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = control;
        }
    }
    return best;
}

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

int arrowPressed(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return 0;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return isArrow(key) ? key : 0;
}

bool moveFocus(const QList<QWidget*>& controls, const QWidget* from, int arrowKey) {
    QList<QWidget*> open;
    for (QWidget* control : controls)
        if (control->isEnabled() && !control->isHidden())
            open << control;
    if (open.isEmpty())
        return false;
    QWidget* to = from ? nearest(open, from, arrowKey) : open.first();
    if (to)
        to->setFocus(Qt::TabFocusReason);
    return to != nullptr;
}

} // namespace ReadingOrder
