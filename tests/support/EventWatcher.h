// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Calls `seen` whenever the object gets an event of that type, before it
// handles it.
class EventWatcher : public QObject {
public:
    EventWatcher(QObject* watched, QEvent::Type type, std::function<void()> seen)
        : type_(type), seen_(std::move(seen)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            seen_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> seen_;
};
