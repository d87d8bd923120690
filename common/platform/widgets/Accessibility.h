// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLatin1String>

// What a screen reader is told about one of the program's own kinds of
// controls: each widget class that needs an accessible interface of its own
// registers it from its constructor. Qt's own controls need nothing.
namespace Accessibility {

template <class Widget, QAccessibleInterface* (*make)(Widget*)>
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || className != QLatin1String(Widget::staticMetaObject.className()))
        return nullptr;
    return make(static_cast<Widget*>(object));
}

// Makes `make` give the interface of every widget of class Widget (null
// leaves it to Qt's own); installed once, however many widgets ask.
template <class Widget, QAccessibleInterface* (*make)(Widget*)> void registerInterface() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory<Widget, make>);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Accessibility
