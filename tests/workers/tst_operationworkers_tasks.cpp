#include "operationfixture.h"
#include "testenvironment.h"
#include "workers/clearfolderworker.h"
#include "workers/copyfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/movefolderworker.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QtTest>

#include <functional>

namespace {

using Factory = std::function<Worker *(DataAccessObject *)>;

enum class Operation { Move, Copy, Delete, Remove, Clear };

struct Expectation
{
    QString path;             // the first request
    QList<int> folders;       // marked busy
    bool busyDuringTask;      // still busy while the task runs
    QString message;          // of the success
    QString info;
    // Warnings: first result failed, status request failed, task failed.
    QString requestFailed;
    QString checkFailed;
    QString taskFailed;
};

Worker *create(Operation operation, DataAccessObject *dao)
{
    const QStringList names{QStringLiteral("Reports"), QStringLiteral("Photos")};
    switch (operation) {
    case Operation::Move:
        return new MoveFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, DirectoryType::MyDocuments);
    case Operation::Copy:
        return new CopyFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, DirectoryType::MyDocuments);
    case Operation::Delete:
        return new DeleteFolderWorker(dao, 114, QStringLiteral("Photos"), DirectoryType::MyDocuments);
    case Operation::Remove:
        return new DeleteFolderWorker(dao, 120, QStringLiteral("Drafts"), DirectoryType::Trash);
    case Operation::Clear:
        return new ClearFolderWorker(QStringLiteral("Trash"), OperationFixture::s_trash);
    }
    return nullptr;
}

Expectation expectation(Operation operation)
{
    const QString v1 = QStringLiteral("/api/v1/");
    switch (operation) {
    case Operation::Move:
        return {v1 + QStringLiteral("DocumentDirectory/Move"), {113, 114}, false, QStringLiteral("Reports, Photos"),
                QStringLiteral("Folder Reports, Photos already moved"), QStringLiteral("Error move folder Reports, Photos"),
                QStringLiteral("Error move folders Reports, Photos"), QStringLiteral("Error move folders")};
    case Operation::Copy: {
        const QString failed = QStringLiteral("Error copy folder Reports, Photos");
        return {v1 + QStringLiteral("DocumentDirectory/Copy"), {113, 114}, true, QStringLiteral("113, 114"),
                QStringLiteral("Folder Reports, Photos already copied"), failed, failed, failed};
    }
    case Operation::Delete: {
        const QString failed = QStringLiteral("Error move folder Photos to trash");
        return {v1 + QStringLiteral("DocumentDirectory/Delete"), {114}, false, QStringLiteral("Photos"),
                QStringLiteral("Folder Photos already moved to trash"), failed, failed, failed};
    }
    case Operation::Remove: {
        const QString failed = QStringLiteral("Error delete folder Drafts");
        return {v1 + QStringLiteral("DocumentDirectory/Delete"), {120}, false, QStringLiteral("Drafts"),
                QStringLiteral("Folder Drafts already deleted"), failed, failed, failed};
    }
    case Operation::Clear: {
        const QString failed = QStringLiteral("Error clear folder Trash");
        return {v1 + QStringLiteral("DocumentDirectory/Clear"), {}, false, QStringLiteral("105"),
                QStringLiteral("Folder Trash already cleared"), failed, failed, failed};
    }
    }
    return {};
}

const QList<QPair<const char *, Operation>> &operations()
{
    static const QList<QPair<const char *, Operation>> s_operations{{"move folders", Operation::Move},
                                                                    {"copy folders", Operation::Copy},
                                                                    {"delete folder", Operation::Delete},
                                                                    {"delete folder in trash", Operation::Remove},
                                                                    {"clear trash", Operation::Clear}};
    return s_operations;
}

enum class Failure { Request, StatusRequest, Task, TimeLimit };

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Failure)

class TestServerTaskWorkers : public QObject
{
    Q_OBJECT
private:
    OperationFixture m_fixture;

    bool anyBusy(const QList<int> &folders)
    {
        return std::any_of(folders.begin(), folders.end(), [this](int id) { return m_fixture.isBusy(id, false); });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void cleanup()
    {
        ServerTaskPoller::setTimeLimit(ServerTaskPoller::s_defaultTimeLimitMs);
    }

    void followsTheTaskToItsEnd_data()
    {
        QTest::addColumn<Operation>("operation");
        for (const auto &operation : operations())
            QTest::newRow(operation.first) << operation.second;
    }

    void followsTheTaskToItsEnd()
    {
        QFETCH(Operation, operation);
        const Expectation expected = expectation(operation);
        // Statuses 1, 2, 2, then 3: four polls.
        QVERIFY(m_fixture.simulator().setTaskSteps(4));

        Worker *worker = create(operation, &m_fixture.dao());
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));

        // While the task runs, only the copy keeps its folders busy.
        QVERIFY(m_fixture.waitForRequest(PortalPath::s_userTask));
        QVERIFY(finished.isEmpty());
        QCOMPARE(anyBusy(expected.folders), expected.busyDuringTask);
        if (expected.busyDuringTask)
            QCOMPARE(m_fixture.busyCount(), expected.folders.size());

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, expected.message);
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());

        const QStringList requests = m_fixture.requests();
        QCOMPARE(requests.size(), 5);
        QVERIFY(requests.first().endsWith(expected.path) || requests.first().contains(expected.path + QLatin1Char('?')));
        const int taskId = m_fixture.simulator().state().value(QStringLiteral("tasks")).toArray().first()
                               .toObject().value(QStringLiteral("Id")).toInt();
        for (const QString &poll : requests.mid(1))
            QCOMPARE(poll, QStringLiteral("GET %1?Id=%2").arg(PortalPath::s_userTask).arg(taskId));
        QCOMPARE(m_fixture.simulator().state().value(QStringLiteral("tasks")).toArray().first()
                     .toObject().value(QStringLiteral("Status")).toInt(),
                 3);

        const QList<ReceivedNotification> notifications = m_fixture.notifications(1);
        QCOMPARE(notifications.size(), 1);
        QCOMPARE(notifications.first().body, expected.info);
        QCOMPARE(notifications.first().summary, QString());

        // The deleted folder left the cache at once; a reload agrees with the portal.
        if (operation == Operation::Delete || operation == Operation::Remove)
            QVERIFY(!m_fixture.isCached(expected.folders.first(), false));
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void fails_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Failure>("failure");
        const QList<QPair<const char *, Failure>> failures{{"request failed", Failure::Request},
                                                           {"status request failed", Failure::StatusRequest},
                                                           {"task failed", Failure::Task},
                                                           {"task never ends", Failure::TimeLimit}};
        for (const auto &operation : operations()) {
            for (const auto &failure : failures)
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(operation.first), QLatin1String(failure.first))))
                    << operation.second << failure.second;
        }
    }

    void fails()
    {
        QFETCH(Operation, operation);
        QFETCH(Failure, failure);
        const Expectation expected = expectation(operation);
        const QJsonObject refusal = OperationFixture::portalError().fault;
        QString warning;
        QString message = OperationFixture::portalError().message;
        QString summary = message;
        switch (failure) {
        case Failure::Request:
            QVERIFY(m_fixture.simulator().setFault(expected.path, refusal));
            warning = expected.requestFailed;
            break;
        case Failure::StatusRequest:
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, refusal));
            warning = expected.checkFailed;
            break;
        case Failure::Task:
            QVERIFY(m_fixture.simulator().setTaskSteps(2));
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            warning = expected.taskFailed;
            message = summary = QStringLiteral("Server error");
            break;
        case Failure::TimeLimit:
            QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
            ServerTaskPoller::setTimeLimit(700);
            warning = expected.checkFailed;
            message = summary = QStringLiteral("The portal did not finish the operation in time.");
            break;
        }
        const QStringList myDocumentsBefore = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        const QStringList trashBefore = m_fixture.cachedListing(OperationFixture::s_trash);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(operation, &m_fixture.dao()), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, message);
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), myDocumentsBefore);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trashBefore);
        const int polls = m_fixture.requestCount(PortalPath::s_userTask);
        if (failure == Failure::Request)
            QCOMPARE(polls, 0);

        const QList<ReceivedNotification> notifications = m_fixture.notifications(1);
        QCOMPARE(notifications.size(), 1);
        QCOMPARE(notifications.first().body, warning);
        QCOMPARE(notifications.first().summary, summary);
        QCOMPARE(notifications.first().appIcon, QStringLiteral("image://theme/icon-lock-warning"));

        // Given up is given up: no poll follows.
        if (failure == Failure::TimeLimit) {
            QTest::qWait(4 * ServerTaskPoller::pollInterval());
            QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), polls);
        }
    }

    void destroyedWorkerStopsPolling()
    {
        QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
        auto *worker = new ClearFolderWorker(QStringLiteral("Trash"), OperationFixture::s_trash);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(m_fixture.waitForRequest(PortalPath::s_userTask));
        // Its run() has long returned; only the poll is pending.
        QThreadPool::globalInstance()->waitForDone(5000);
        delete worker;
        const int polls = m_fixture.requestCount(PortalPath::s_userTask);
        QTest::qWait(4 * ServerTaskPoller::pollInterval());
        QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), polls);
        QVERIFY(finished.isEmpty());
    }
};

VELLIX_TEST_MAIN(TestServerTaskWorkers, QCoreApplication)
#include "tst_operationworkers_tasks.moc"
