// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a task once a window has been painted for the first time, so that work
// which can wait (checking data, opening the audio device) never delays what
// the pupil sees first.
class AfterFirstPaint : public QObject {
    Q_OBJECT

public:
    static void run(QWidget* widget, std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget* widget, std::function<void()> task);

    std::function<void()> task_;
};
