#include "loadingfixture.h"
#include "requests/getdocumentinforequest.h"
#include "requests/portalexchange.h"
#include "requests/requestinterface.h"
#include "testenvironment.h"
#include "workers/runnableworker.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QThreadPool>
#include <QtTest>

namespace {

// Stands for a worker whose request answers on the main thread later; a held
// one waits in its run() until the test lets it go.
class EchoWorker : public RunnableWorker
{
    Q_OBJECT
public:
    explicit EchoWorker(int finishCalls = 1, QObject *parent = nullptr, bool held = false)
        : RunnableWorker(nullptr, nullptr, parent)
        , m_finishCalls(finishCalls)
        , m_held(held)
    {
    }

    QThread *runThread = nullptr;
    QThread *handlerThread = nullptr;
    QSemaphore running;
    QSemaphore letGo;

protected:
    void startWork() override
    {
        runThread = QThread::currentThread();
        if (m_held) {
            running.release();
            letGo.acquire();
        }
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
    bool m_held;
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

protected:
    void startWork() override
    {
        auto *worker = new EchoWorker;
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

} // namespace

class TestWorkerFrame : public QObject
{
    Q_OBJECT
private slots:
    // Later finishWork calls are ignored: exactly one workFinished.
    void runnableWorkerOutlivesRunAndFreesItself_data()
    {
        QTest::addColumn<int>("finishCalls");
        QTest::newRow("finished once") << 1;
        QTest::newRow("finished three times") << 3;
    }

    void runnableWorkerOutlivesRunAndFreesItself()
    {
        QFETCH(int, finishCalls);
        auto *worker = new EchoWorker(finishCalls);
        QPointer<EchoWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThread *runThread = nullptr;
        QThread *handlerThread = nullptr;
        connect(worker, &Worker::workFinished, this, [&] {
            runThread = worker->runThread;
            handlerThread = worker->handlerThread;
        });
        QThreadPool::globalInstance()->start(worker);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(finished.first().at(1).toString(), QStringLiteral("call 0"));
        QVERIFY(runThread && runThread != QThread::currentThread());
        QCOMPARE(handlerThread, QThread::currentThread());
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

    // A runnable worker is owned by its run: a parent that goes first neither
    // frees it under the running run() nor a second time afterwards.
    void parentGoingFirstLeavesTheRunItsWorker()
    {
        auto *parent = new QObject;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("owned by its run")));
        auto *worker = new EchoWorker(1, parent, true);
        QPointer<EchoWorker> alive(worker);
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

    // On quit the portal calls in flight end at once, those started later too,
    // and no server task is polled any more. The switch is for the whole
    // process, so this case comes last.
    void quitEndsCallsAndStopsPolling()
    {
        LoadingFixture fixture;
        QVERIFY(fixture.start());
        const auto polls = [&] { return fixture.receivedRequests().filter(QStringLiteral("/api/v1/UserTask")).size(); };
        QVERIFY(fixture.simulator().setTaskSteps(1000000));
        ServerTaskPoller::setPollInterval(20);
        const int taskId = fixture.portal("GET", QStringLiteral("/api/v1/DocumentDirectory/Archive?Id=110"))
                               .object()
                               .value(QStringLiteral("TaskId"))
                               .toInt();
        QVERIFY(taskId > 0);
        ServerTaskPoller poller(nullptr);
        QSignalSpy finished(&poller, &ServerTaskPoller::taskFinished);
        poller.start(taskId);
        QTRY_VERIFY_WITH_TIMEOUT(polls() >= 2, 10000);

        QVERIFY(fixture.simulator().setFault(PortalPath::s_documentInfo, {{"mode", "hang"}}));
        const auto startRequest = [](int documentId) {
            auto *request = new GetDocumentInfoRequest(documentId);
            auto spy = std::make_unique<QSignalSpy>(request, &RequestInterface::requestFinished);
            QThreadPool::globalInstance()->start(request);
            return spy;
        };
        const auto endedUnsuccessfully = [](QSignalSpy &ended) {
            // The call may end before a wait() would start listening, so the spy's record is awaited.
            return QTest::qWaitFor([&] { return !ended.isEmpty(); }, 20000) && ended.size() == 1
                && !ended.first().first().toMap().value(QStringLiteral("success")).toBool();
        };
        const auto stalled = startRequest(1001);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.receivedRequests().filter(PortalPath::s_documentInfo).isEmpty(), 10000);

        PortalExchange::cancelAll();
        QVERIFY(endedUnsuccessfully(*stalled));
        // A request started from now on ends as well, though the portal still stalls.
        QVERIFY(endedUnsuccessfully(*startRequest(1002)));

        // A poll that was under way may still report its end; none follows.
        const int polled = polls();
        QTest::qWait(10 * ServerTaskPoller::pollInterval());
        QCOMPARE(polls(), polled);
        QVERIFY(finished.size() <= 1);
    }
};

VELLIX_TEST_MAIN(TestWorkerFrame, QCoreApplication)
#include "tst_workerframe.moc"
