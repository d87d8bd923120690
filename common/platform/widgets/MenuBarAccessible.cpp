// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarAccessible.h"

#include <QAction>
#include <QMenuBar>
#include <QPointer>

namespace {

class MenuEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntryAccessible(QMenuBar* bar, QAction* action) : bar_(bar), action_(action) {}

    bool isValid() const override { return bar_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !action_)
            return {};
        return MenuBarAccessible::spokenCaption(action_->text());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bar_->actionGeometry(action_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !action_->isEnabled() || !bar_->isEnabled();
        s.invisible = !action_->isVisible() || !bar_->isVisible();
        s.focusable = true;
        s.focused = bar_->hasFocus() && bar_->activeAction() == action_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name != pressAction() || state().disabled)
            return;
        // The caller gets its answer first; the entry then runs as a click's would.
        QMetaObject::invokeMethod(
            action_.data(),
            [action = action_] {
                if (action && action->isEnabled())
                    action->trigger();
            },
            Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenuBar> bar_;
    QPointer<QAction> action_;
};

} // namespace

MenuBarAccessible::MenuBarAccessible(QMenuBar* bar)
    : QAccessibleWidget(bar, QAccessible::MenuBar) {}

QMenuBar* MenuBarAccessible::bar() const {
    return static_cast<QMenuBar*>(widget());
}

QString MenuBarAccessible::spokenCaption(const QString& caption) {
    QString spoken = caption.trimmed();
    // "&&" is an ampersand; a single "&" marks the mnemonic.
    for (qsizetype i = 0; i < spoken.size(); ++i)
        if (spoken[i] == QLatin1Char('&'))
            spoken.remove(i, 1);
    return spoken;
}

int MenuBarAccessible::childCount() const {
    return int(bar()->actions().size());
}

QAccessibleInterface* MenuBarAccessible::child(int index) const {
    const QList<QAction*> actions = bar()->actions();
    if (index < 0 || index >= actions.size())
        return nullptr;
    QAction* action = actions[index];
    if (const auto id = entries_.value(action))
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(id))
            return known;
    auto* entry = new MenuEntryAccessible(bar(), action);
    entries_.insert(action, QAccessible::registerAccessibleInterface(entry));
    return entry;
}

int MenuBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    return int(bar()->actions().indexOf(qobject_cast<QAction*>(child->object())));
}

QAccessibleInterface* MenuBarAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* entry = child(i);
        if (entry && entry->rect().contains(x, y))
            return entry;
    }
    return nullptr;
}
