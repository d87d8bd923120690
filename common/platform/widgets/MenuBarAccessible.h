// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAction;
class QMenuBar;

// A menu bar of plain entries as a screen reader meets it. Each entry is
// named by its caption without the blanks that widen it on screen, and its
// "press" action returns at once: the entry runs just after, so a switch or
// voice-control tool is not kept waiting while a message box it opened is up.
class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(QMenuBar* bar);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // What a screen reader reads for a caption.
    static QString spokenCaption(const QString& caption);

private:
    QMenuBar* bar() const;

    mutable QHash<QAction*, QAccessible::Id> entries_;
};
