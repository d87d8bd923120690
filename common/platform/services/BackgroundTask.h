// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// One job at a time on a thread of its own, its result handed back on the
// thread that owns the task. Starting a job cancels the one before: that one
// is told to stop, and whatever it gives back is dropped. Destruction waits
// for a job that is still running.
class BackgroundTask {
public:
    // Runs on the task's thread; returns what is then done on the owner's
    // thread (nothing when empty). `cancelled` turns true when the job is no
    // longer wanted: a long job checks it between its steps.
    using Job = std::function<std::function<void()>(const std::atomic_bool& cancelled)>;

    BackgroundTask();
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    void start(Job job);
    void cancel();
    // A job has started and its result is not handed back yet.
    bool busy() const { return cancelled_ != nullptr; }

private:
    QObject receiver_; // the owner's thread: results are handed back through it
    QThreadPool pool_;
    std::shared_ptr<std::atomic_bool> cancelled_; // the current job's
    quint64 generation_ = 0;
};
