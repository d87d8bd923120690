// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "TestBench.h"

#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/ColouredArea.h"

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
