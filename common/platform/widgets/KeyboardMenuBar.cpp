// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardMenuBar.h"

#include "Accessibility.h"
#include "MenuBarAccessible.h"
#include "UniformScaler.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionMenuItem>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace {

QAccessibleInterface* accessible(KeyboardMenuBar* bar) {
    return new MenuBarAccessible(bar);
}

} // namespace

KeyboardMenuBar::KeyboardMenuBar(QWidget* parent) : QMenuBar(parent) {
    Accessibility::registerInterface<KeyboardMenuBar, accessible>();
}

QAction* KeyboardMenuBar::highlightedAction() const {
    const auto entries = actions();
    return highlighted_ >= 0 && highlighted_ < entries.size() ? entries[highlighted_] : nullptr;
}

void KeyboardMenuBar::keepStoredHeight() {
    storedHeight_ = sizeHint().height();
}

void KeyboardMenuBar::followWindow(QSize stored, QSize windowSize) {
    // The whole window's size, which the bar's own height does not change.
    const qreal s = UniformScaler::scaleFor(stored + QSize(0, storedHeight_), windowSize);
    const qreal scale = std::clamp(std::floor((1 + (s - 1) / 4) * 8) / 8, 1.0, 1.5);
    if (scale == fontScale_)
        return;
    fontScale_ = scale;
    if (scale == 1.0) {
        setFont(QFont());
    } else {
        QFont font = window()->font();
        font.setPointSizeF(font.pointSizeF() * scale);
        setFont(font);
    }
}

void KeyboardMenuBar::enterKeyboardMode() {
    if (actions().isEmpty())
        return;
    if (!inKeyboardMode()) {
        QWidget* focus = QApplication::focusWidget();
        returnFocusTo_ = focus && focus != this ? focus : nullptr;
    }
    highlight(0);
    setFocus(Qt::MenuBarFocusReason);
}

void KeyboardMenuBar::leaveKeyboardMode() {
    if (!inKeyboardMode())
        return;
    highlighted_ = -1;
    update();
    if (hasFocus()) {
        if (returnFocusTo_)
            returnFocusTo_->setFocus(Qt::MenuBarFocusReason);
        else
            clearFocus();
    }
    returnFocusTo_ = nullptr;
}

void KeyboardMenuBar::highlight(qsizetype index) {
    highlighted_ = index;
    update();
}

// The toolkit's own handling of Alt would enter a mode of its own that shows
// nothing; the window hands Alt on to enterKeyboardMode instead.
bool KeyboardMenuBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt)
            return false;
        break;
    default:
        break;
    }
    return QMenuBar::eventFilter(watched, event);
}

void KeyboardMenuBar::keyPressEvent(QKeyEvent* event) {
    if (!inKeyboardMode()) {
        QMenuBar::keyPressEvent(event);
        return;
    }
    const qsizetype count = actions().size();
    switch (event->key()) {
    case Qt::Key_Left:
        highlight((highlighted_ + count - 1) % count);
        break;
    case Qt::Key_Right:
        highlight((highlighted_ + 1) % count);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (QAction* action = highlightedAction()) {
            // Leave first: the entry may open a message box or close the window.
            leaveKeyboardMode();
            if (action->isEnabled())
                action->trigger();
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_F10:
    case Qt::Key_Alt:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        leaveKeyboardMode();
        break;
    default:
        // Nothing else reaches the window while the bar has the keyboard.
        break;
    }
    event->accept();
}

void KeyboardMenuBar::focusOutEvent(QFocusEvent* event) {
    // A click elsewhere, or another window, ends the keyboard mode.
    if (inKeyboardMode()) {
        highlighted_ = -1;
        returnFocusTo_ = nullptr;
        update();
    }
    QMenuBar::focusOutEvent(event);
}

void KeyboardMenuBar::mousePressEvent(QMouseEvent* event) {
    leaveKeyboardMode();
    QMenuBar::mousePressEvent(event);
}

void KeyboardMenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    QAction* action = highlightedAction();
    if (!action)
        return;
    // The entry drawn as the style draws an entry that is pressed.
    QStylePainter painter(this);
    QStyleOptionMenuItem option;
    initStyleOption(&option, action);
    option.rect = actionGeometry(action);
    option.state |= QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_MenuBarItem, option);
}
