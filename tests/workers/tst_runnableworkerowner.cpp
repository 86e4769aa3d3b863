#include "testenvironment.h"
#include "workers/runnableworker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>

namespace {

// Its run() waits until the test lets it go, then reports on the main thread.
class HeldWorker : public RunnableWorker
{
    Q_OBJECT
public:
    explicit HeldWorker(QObject *parent)
        : RunnableWorker(nullptr, nullptr, parent)
    {
    }

    QSemaphore running;
    QSemaphore letGo;

protected:
    void startWork() override
    {
        running.release();
        letGo.acquire();
        QMetaObject::invokeMethod(this, [this] { finishWork(true); }, Qt::QueuedConnection);
    }
};

} // namespace

// A runnable worker is owned by its run: a parent that goes first neither
// frees it under the running run() nor a second time afterwards.
class TestRunnableWorkerOwner : public QObject
{
    Q_OBJECT
private slots:
    void parentGoingFirstLeavesTheRunItsWorker()
    {
        auto *parent = new QObject;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("owned by its run")));
        auto *worker = new HeldWorker(parent);
        QPointer<HeldWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(worker->running.tryAcquire(1, 10000));

        delete parent;
        QVERIFY(!alive.isNull());
        worker->letGo.release();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QTRY_VERIFY(alive.isNull());
    }
};

VELLIX_TEST_MAIN(TestRunnableWorkerOwner, QCoreApplication)
#include "tst_runnableworkerowner.moc"
