// SPDX-License-Identifier: GPL-3.0-or-later
// Jobs spread over this thread and the pool's idle ones.

#include "common/platform/services/ParallelFor.h"

#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QtTest>

#include <atomic>
#include <vector>

class tst_ParallelFor : public QObject {
    Q_OBJECT

private slots:
    // Every job runs once, on this thread and the pool's idle ones, and all
    // have run when the call returns; a busy pool leaves them all to this thread.
    void parallelJobsEachRunOnce() {
        for (int count : {0, 1, 2, 8, 100}) {
            std::vector<std::atomic_int> runs(static_cast<std::size_t>(count));
            ParallelFor::run(count, [&](int i) { ++runs[std::size_t(i)]; });
            for (const std::atomic_int& r : runs)
                QCOMPARE(r.load(), 1);
        }
        QThreadPool* global = QThreadPool::globalInstance();
        QSemaphore release;
        const int busy = global->maxThreadCount();
        for (int k = 0; k < busy; ++k)
            global->start([&release] { release.acquire(); });
        QSet<Qt::HANDLE> threads;
        ParallelFor::run(8, [&](int) { threads.insert(QThread::currentThreadId()); });
        release.release(busy);
        global->waitForDone();
        QCOMPARE(threads, QSet<Qt::HANDLE>{QThread::currentThreadId()});
    }
};

QTEST_GUILESS_MAIN(tst_ParallelFor)
#include "tst_ParallelFor.moc"
