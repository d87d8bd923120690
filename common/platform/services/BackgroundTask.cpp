// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundTask.h"

BackgroundTask::BackgroundTask() {
    pool_.setMaxThreadCount(1);
}

BackgroundTask::~BackgroundTask() {
    cancel();
    // The job may hold references into its owner, which is going away too.
    pool_.waitForDone();
}

void BackgroundTask::start(Job job) {
    cancel();
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    cancelled_ = cancelled;
    const quint64 generation = ++generation_;
    pool_.start([this, job = std::move(job), cancelled, generation] {
        std::function<void()> then = job(*cancelled);
        if (cancelled->load())
            return;
        // Posted to the receiver: dropped with it when the task is destroyed.
        QMetaObject::invokeMethod(
            &receiver_,
            [this, then = std::move(then), generation] {
                if (generation != generation_)
                    return; // cancelled after it was posted
                cancelled_.reset();
                if (then)
                    then();
            },
            Qt::QueuedConnection);
    });
}

void BackgroundTask::cancel() {
    if (cancelled_)
        cancelled_->store(true);
    cancelled_.reset();
    ++generation_;
}
