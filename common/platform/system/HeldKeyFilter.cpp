// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeldKeyFilter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>

#include <memory>

HeldKeyFilter::HeldKeyFilter(QObject* parent, Clock clock, KeyDown keyDown)
    : QObject(parent), clock_(std::move(clock)), keyDown_(std::move(keyDown)) {
    if (!keyDown_)
        keyDown_ = &HeldKeyFilter::keyIsDown;
    if (!clock_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clock_ = [timer] { return timer->elapsed(); };
    }
}

void HeldKeyFilter::forgetKeysLetGo() {
    for (auto held = held_.begin(); held != held_.end();) {
        const int key = held.key();
        const quint32 scan = (key & 0x40000000) ? quint32(key & 0x3fffffff) : 0;
        if (keyDown_(scan))
            ++held;
        else
            held = held_.erase(held);
    }
}

bool HeldKeyFilter::repeats(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

int HeldKeyFilter::physicalKey(const QKeyEvent& event) {
    // The scan code names the key whatever the modifiers make of it (Shift+1
    // pressed, 1 released); synthetic events have none.
    const quint32 scan = event.nativeScanCode();
    return scan != 0 ? int(0x40000000u | (scan & 0x3fffffffu)) : event.key();
}

bool HeldKeyFilter::isRepeat(const QKeyEvent& event) {
    const int key = physicalKey(event);
    const qint64 now = clock_();
    const auto held = held_.find(key);
    // A press at the very instant of the key's release comes from the
    // keyboard's repeat, not from a finger.
    const auto released = released_.find(key);
    const bool sameInstant = released != released_.end() && event.timestamp() != 0 &&
                             released.value() == event.timestamp();
    const bool repeat = event.isAutoRepeat() || sameInstant ||
                        (held != held_.end() && now - held.value() < forgetAfterMs);
    held_.insert(key, now);
    return repeat;
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched->isWindowType() && !held_.isEmpty())
            forgetKeysLetGo();
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    // Each key event reaches the window first, then the widgets in it: judge
    // it there, once.
    if (!watched->isWindowType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int physical = physicalKey(*key);
    if (event->type() == QEvent::KeyRelease) {
        // X sends a repeat as a release and a press with the same time;
        // only the last release lets the key go.
        if (key->isAutoRepeat())
            return !repeats(key->key());
        held_.remove(physical);
        released_.insert(physical, key->timestamp());
        judgedKey_ = 0;
        return false;
    }
    bool repeat = false;
    if (event->type() == QEvent::KeyPress && judgedKey_ == physical) {
        repeat = judgedRepeat_;
        judgedKey_ = 0;
    } else {
        repeat = isRepeat(*key);
        if (event->type() == QEvent::ShortcutOverride) {
            judgedKey_ = physical;
            judgedRepeat_ = repeat;
        }
    }
    if (!repeat || repeats(key->key()))
        return false;
    // A repeat overrides every shortcut and then is dropped.
    event->accept();
    return true;
}
