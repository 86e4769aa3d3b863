#include "requests/requestinterface.h"
#include "settings/settings.h"
#include "testenvironment.h"
#include "workers/runnableworker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <QThreadPool>
#include <QtTest>

namespace {

// Stands for a worker whose request answers on the main thread later.
class EchoWorker : public RunnableWorker
{
    Q_OBJECT
public:
    explicit EchoWorker(int finishCalls = 1)
        : RunnableWorker(nullptr, nullptr, nullptr)
        , m_finishCalls(finishCalls)
    {
    }

    QThread *runThread = nullptr;
    QThread *handlerThread = nullptr;

protected:
    void startWork() override
    {
        runThread = QThread::currentThread();
        QMetaObject::invokeMethod(this, &EchoWorker::handleResult, Qt::QueuedConnection);
    }

private:
    void handleResult()
    {
        handlerThread = QThread::currentThread();
        for (int i = 0; i < m_finishCalls; ++i)
            finishWork(i == 0, QStringLiteral("call %1").arg(i));
    }

    int m_finishCalls;
};

// Starts an EchoWorker from inside its own pool-thread run().
class NestingWorker : public RunnableWorker
{
    Q_OBJECT
public:
    NestingWorker()
        : RunnableWorker(nullptr, nullptr, nullptr)
    {
    }

    QPointer<EchoWorker> inner;

protected:
    void startWork() override
    {
        auto *worker = new EchoWorker;
        inner = worker;
        connect(worker, &Worker::workFinished, this, [this](bool success) { finishWork(success); },
                Qt::QueuedConnection);
        QThreadPool::globalInstance()->start(worker);
    }
};

// A request that answers at once, without the portal.
class AnsweringRequest : public RequestInterface
{
    Q_OBJECT
protected:
    QVariantMap perform() override { return {{s_successKey, true}}; }
};

// Runs its request directly on its pool thread.
class DirectRequestWorker : public RunnableWorker
{
    Q_OBJECT
public:
    // request follows the request the worker makes, beyond the worker's life.
    explicit DirectRequestWorker(QPointer<RequestInterface> *request)
        : RunnableWorker(nullptr, nullptr, nullptr)
        , m_request(request)
    {
    }

protected:
    void startWork() override
    {
        auto *answering = new AnsweringRequest;
        *m_request = answering;
        runRequest(answering, &DirectRequestWorker::handleResult);
    }

private:
    void handleResult(const QVariantMap &result) { finishWork(result.value(RequestInterface::s_successKey).toBool()); }

    QPointer<RequestInterface> *m_request;
};

class SettingsListener : public Worker
{
    Q_OBJECT
public:
    using Worker::Worker;
    int changes = 0;
};

} // namespace

class TestWorkerFrame : public QObject
{
    Q_OBJECT
private slots:
    void runnableWorkerOutlivesRunAndFreesItself()
    {
        auto *worker = new EchoWorker;
        QPointer<EchoWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QVERIFY(worker->runThread != QThread::currentThread());
        QCOMPARE(worker->handlerThread, QThread::currentThread());
        QTRY_VERIFY(alive.isNull());
    }

    void workFinishedIsEmittedOnce()
    {
        auto *worker = new EchoWorker(3);
        QSignalSpy finished(worker, &Worker::workFinished);
        QPointer<EchoWorker> alive(worker);
        QThreadPool::globalInstance()->start(worker);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(1).toString(), QStringLiteral("call 0"));
    }

    void directlyRunRequestIsFreed()
    {
        QPointer<RequestInterface> request;
        auto *worker = new DirectRequestWorker(&request);
        QPointer<DirectRequestWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
        QVERIFY(request.isNull());
    }

    void workerCreatedOnPoolThreadHandlesOnMainThread()
    {
        auto *outer = new NestingWorker;
        QSignalSpy finished(outer, &Worker::workFinished);
        QThreadPool::globalInstance()->start(outer);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
    }

    void disconnectSignals()
    {
        SettingsListener withoutSettings(nullptr, nullptr, nullptr);
        withoutSettings.disconnectSignals();

        Settings settings;
        SettingsListener listener(&settings, nullptr, nullptr);
        connect(&settings, &Settings::loginChanged, &listener, [&listener] { ++listener.changes; });
        settings.saveLogin(QStringLiteral("a"));
        listener.disconnectSignals();
        settings.saveLogin(QStringLiteral("b"));
        QCOMPARE(listener.changes, 1);
    }
};

VELLIX_TEST_MAIN(TestWorkerFrame, QCoreApplication)
#include "tst_workerframe.moc"
