// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "TestBench.h"

#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace Windows {

bool activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

bool pressF11(QWidget* window) {
    if (!activate(window))
        return false;
    QTest::keyClick(window, Qt::Key_F11);
    return true;
}

void key(QWidget* window, int k, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    QTest::keyClick(target, Qt::Key(k), modifiers);
}

QList<QWidget*> tabChain(QWidget* first) {
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> chain{QApplication::focusWidget()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == chain.first())
            break;
        chain << now;
    }
    return chain;
}

QStringList unnamed(QWidget* window) {
    QStringList found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) ||
            w->focusProxy() == w->parentWidget() || w->window() != window)
            continue;
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w);
        if (!a11y || a11y->text(QAccessible::Name).trimmed().isEmpty())
            found << QString::fromLatin1(w->metaObject()->className());
    }
    return found;
}

bool resizeTo(QWidget* window, QSize size) {
    window->resize(size);
    const bool resized = QTest::qWaitFor([&] { return window->size() == size; });
    TestBench::flush();
    return resized;
}

ColouredArea* surfaceOf(QWidget* window) {
    if (auto* esercizio = qobject_cast<FinestraEsercizio*>(window))
        return esercizio->area();
    return qobject_cast<ColouredArea*>(window);
}

QString fontOf(const QWidget* control) {
    const QFont font = control->font();
    return font.family() + QLatin1Char(' ') + QString::number(font.pointSizeF()) +
           (font.bold() ? QStringLiteral(" bold") : QString());
}

bool onWayland() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

} // namespace Windows
