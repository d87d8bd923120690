// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <functional>

class QWidget;

// Full screen with or without a window manager. Under one, the window asks
// for the state and the manager gives it. Without one (a whiteboard PC that
// starts the program from xinit, a kiosk session) nobody would answer, so
// the window takes the screen's geometry itself, without decorations, and
// keeps the state so that the next window can take it over.
class FullScreen {
public:
    // Asks whether a window manager runs, each time it matters: one may
    // start after the program. Without a question, one is taken to run.
    explicit FullScreen(std::function<bool()> windowManager = {})
        : windowManager_(std::move(windowManager)) {}

    bool windowManager() const { return !windowManager_ || windowManager_(); }

    // Puts a window that is about to be shown in this state (normal,
    // maximised, full screen). Where the free area of the screen is unknown,
    // a normal window too large for the screen is maximised instead.
    void prepare(QWidget& window, Qt::WindowStates state) const;
    // In full screen and back, to the geometry the window had.
    void toggle(QWidget& window) const;

    // Whether a window manager runs on the display: under X, one that
    // announces itself on the root window as managers do.
    static bool windowManagerAnswers();
    // Whether the platform keeps the desktop's free area (the screen less its
    // panels) from the program, as Wayland does.
    static bool freeAreaUnknown();

private:
    void enter(QWidget& window) const;
    void leave(QWidget& window) const;

    std::function<bool()> windowManager_;
};
