// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QKeyEvent;

// One physical press is one press: while a key is held, the repeats the
// keyboard sends are kept from the program, whether the window system marks
// them as repeats, sends them as fresh presses with no release in between,
// or (as X does) as a release and a press at the same instant that the
// toolkit does not always recognise. Only the keys that
// move the focus keep repeating. Installed on the application, it judges
// each key event once, where it reaches a top-level window.
class HeldKeyFilter : public QObject {
    Q_OBJECT

public:
    // Milliseconds from any fixed start.
    using Clock = std::function<qint64()>;
    // Whether the key with this scan code is down on the keyboard now.
    using KeyDown = std::function<bool(quint32 scanCode)>;

    explicit HeldKeyFilter(QObject* parent = nullptr, Clock clock = {}, KeyDown keyDown = {});

    // Under X, asks the server; elsewhere (Wayland, other systems, a build
    // of the Qt-alone platform layer), or without a scan code, a key is
    // taken to be down.
    static bool keyIsDown(quint32 scanCode);

    // A key silent this long was let go although its release never came
    // (it went to another program): its next press is a new one.
    static constexpr qint64 forgetAfterMs = 1000;

    // Keys whose repeats still reach the program: a held arrow or Tab walks on.
    static bool repeats(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True if this press is a repeat of a key already down; notes the key.
    bool isRepeat(const QKeyEvent& event);
    static int physicalKey(const QKeyEvent& event);
    // A key let go while no window of the program had the keyboard never
    // sends its release here: when a window gets the keyboard, the keys that
    // are up are forgotten.
    void forgetKeysLetGo();

    Clock clock_;
    KeyDown keyDown_;
    QHash<int, qint64> held_;      // physical key -> when it last came down or repeated
    QHash<int, quint64> released_; // physical key -> the window system's time of its release
    // The shortcut check sees a press before the press itself: its verdict
    // stands for the press that follows.
    int judgedKey_ = 0;
    bool judgedRepeat_ = false;
};
