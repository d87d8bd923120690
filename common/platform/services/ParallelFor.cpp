// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParallelFor.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace ParallelFor {

void run(int count, const std::function<void(int)>& job) {
    struct Shared {
        std::atomic_int next{0};
        QSemaphore finished;
    };
    const auto shared = std::make_shared<Shared>();
    const auto work = [shared, count, &job] {
        for (int i = shared->next++; i < count; i = shared->next++)
            job(i);
    };
    // Only threads that are idle now: waiting for a busy pool would cost
    // more than the jobs.
    const int wanted = std::min(count, QThread::idealThreadCount()) - 1;
    int helpers = 0;
    while (helpers < wanted && QThreadPool::globalInstance()->tryStart([shared, work] {
        work();
        shared->finished.release();
    }))
        ++helpers;
    work();
    // `job` lives on this thread's stack: every helper is done with it first.
    shared->finished.acquire(helpers);
}

} // namespace ParallelFor
