// SPDX-License-Identifier: GPL-3.0-or-later
// Work on another thread whose result comes back to its owner, the last one only.

#include "common/platform/services/BackgroundTask.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <functional>

class tst_BackgroundTask : public QObject {
    Q_OBJECT

private slots:
    // A job's result is handed back on the owner's thread, after the job;
    // a job started anew is told to stop, and what it gives back is dropped.
    void backgroundTaskHandsBackOnlyTheLastResult() {
        BackgroundTask task;
        QSemaphore firstRunning;
        std::atomic_bool firstToldToStop = false;
        QList<int> handedBack;
        QThread* handedBackOn = nullptr;
        task.start([&](const std::atomic_bool& cancelled) -> std::function<void()> {
            firstRunning.release();
            // Holds the thread until it is told to stop.
            while (!cancelled.load())
                QThread::msleep(1);
            firstToldToStop = true;
            return [&] { handedBack << 1; };
        });
        firstRunning.acquire();
        task.start([&](const std::atomic_bool&) -> std::function<void()> {
            return [&] {
                handedBack << 2;
                handedBackOn = QThread::currentThread();
            };
        });
        QVERIFY(task.busy());
        QTRY_VERIFY(!task.busy());
        QVERIFY(firstToldToStop);
        QCoreApplication::processEvents();
        QCOMPARE(handedBack, QList<int>{2});
        QCOMPARE(handedBackOn, QThread::currentThread());
    }

    // Cancelled or destroyed, a task hands nothing back; destruction waits
    // for the job, which may use what its owner is about to destroy.
    void backgroundTaskDestroyedWaitsForItsJob() {
        std::atomic_bool jobEnded = false;
        bool handedBack = false;
        {
            BackgroundTask task;
            QSemaphore running;
            task.start([&](const std::atomic_bool& cancelled) -> std::function<void()> {
                running.release();
                while (!cancelled.load())
                    QThread::msleep(1);
                QThread::msleep(50);
                jobEnded = true;
                return [&] { handedBack = true; };
            });
            running.acquire();
        }
        QVERIFY(jobEnded);
        QCoreApplication::processEvents();
        QVERIFY(!handedBack);

        BackgroundTask task;
        task.start([&](const std::atomic_bool&) -> std::function<void()> {
            return [&] { handedBack = true; };
        });
        task.cancel();
        QVERIFY(!task.busy());
        QTest::qWait(50);
        QVERIFY(!handedBack);
    }
};

QTEST_GUILESS_MAIN(tst_BackgroundTask)
#include "tst_BackgroundTask.moc"
