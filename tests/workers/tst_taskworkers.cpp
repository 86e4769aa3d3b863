#include "testenvironment.h"
#include "transferfixture.h"
#include "workers/clearfolderworker.h"
#include "workers/copyfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/downloadarchivedirectoryworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/movefolderworker.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QtTest>

#include <functional>

namespace {

// A worker of the case, storing into the given local folder where it downloads.
using Factory = std::function<Worker *(DataAccessObject *, const QString &folder)>;

// A worker that follows a server task: what it sends, marks and reports.
struct TaskCase
{
    const char *name;
    Factory make;
    QString startPath;
    QList<int> busyFolders;   // marked busy; a document of id busyDocument otherwise
    int busyDocument;
    bool busyDuringTask;      // still busy while the task runs
    QString message;          // of the success
    QString info;             // the notification of the success
    // Warnings: start refused, status request failed, task failed or never ended.
    QString requestFailed;
    QString checkFailed;
    QString taskFailed;
    // Downloads of the result only: where from, under which name, the notifications.
    QString downloadPath = QString();
    QString stored = QString();
    QString downloadStarted = QString();
    QString downloadFailed = QString();
};

QList<TaskCase> taskCases()
{
    const QStringList names{QStringLiteral("Reports"), QStringLiteral("Photos")};
    const auto root = DirectoryType::MyDocuments;
    const QString v1 = QStringLiteral("/api/v1/");
    const QString deleteFailed = QStringLiteral("Error move folder Photos to trash");
    const QString removeFailed = QStringLiteral("Error delete folder Drafts");
    const QString clearFailed = QStringLiteral("Error clear folder Trash");
    const QString copyFailed = QStringLiteral("Error copy folder Reports, Photos");
    const QString convertFailed = QStringLiteral("Error convert document Welcome.docx");
    const QString archiveFailed = QStringLiteral("Error archive folder Projects");
    return {
        {"move folders",
         [=](DataAccessObject *dao, const QString &) {
             return new MoveFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, root);
         },
         v1 + "DocumentDirectory/Move", {113, 114}, 0, false, "Reports, Photos",
         "Folder Reports, Photos already moved", "Error move folder Reports, Photos",
         "Error move folders Reports, Photos", "Error move folders"},
        {"copy folders",
         [=](DataAccessObject *dao, const QString &) {
             return new CopyFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, root);
         },
         v1 + "DocumentDirectory/Copy", {113, 114}, 0, true, "113, 114", "Folder Reports, Photos already copied",
         copyFailed, copyFailed, copyFailed},
        {"delete folder",
         [=](DataAccessObject *dao, const QString &) { return new DeleteFolderWorker(dao, 114, "Photos", root); },
         v1 + "DocumentDirectory/Delete", {114}, 0, false, "Photos", "Folder Photos already moved to trash",
         deleteFailed, deleteFailed, deleteFailed},
        {"delete folder in trash",
         [](DataAccessObject *dao, const QString &) {
             return new DeleteFolderWorker(dao, 120, "Drafts", DirectoryType::Trash);
         },
         v1 + "DocumentDirectory/Delete", {120}, 0, false, "Drafts", "Folder Drafts already deleted", removeFailed,
         removeFailed, removeFailed},
        {"clear trash",
         [](DataAccessObject *, const QString &) { return new ClearFolderWorker("Trash", OperationFixture::s_trash); },
         v1 + "DocumentDirectory/Clear", {}, 0, false, "105", "Folder Trash already cleared", clearFailed, clearFailed,
         clearFailed},
        {"pdf",
         [=](DataAccessObject *dao, const QString &folder) {
             return new DownloadPdfWorker(dao, 1001, "Welcome.docx", folder, root);
         },
         v1 + "Documents/Convert", {}, 1001, true, QString(), "Download document Welcome.docx success",
         "Error prepare document Welcome.docx", convertFailed, convertFailed, v1 + "Documents/Download",
         "Welcome_copy_1.pdf", "Start download document Welcome.docx", "Error download document Welcome.docx"},
        {"archive",
         [=](DataAccessObject *dao, const QString &folder) {
             return new DownloadArchiveDirectoryWorker(dao, 110, "Projects", folder, root);
         },
         v1 + "DocumentDirectory/Archive", {110}, 0, true, QString(), "Download folder archive Projects success",
         archiveFailed, archiveFailed, archiveFailed, v1 + "UserTask/Download", "Projects(1).zip",
         "Start download archive Projects", "Error download folder archive Projects"},
    };
}

// The name a download finds taken, so that the result goes beside it.
QString takenName(const TaskCase &task)
{
    return task.stored.contains(QLatin1String("_copy_1")) ? QStringLiteral("Welcome.pdf") : QStringLiteral("Projects.zip");
}

enum class Failure { Request, NoTaskId, StatusRequest, Task, TimeLimit, Download, UnusableFolder };

} // namespace

Q_DECLARE_METATYPE(Failure)

// The folder operations, PDF and archive downloads that wait for a server task.
class TestTaskWorkers : public QObject
{
    Q_OBJECT
private:
    TransferFixture m_fixture;

    bool busy(const TaskCase &task)
    {
        if (task.busyDocument)
            return m_fixture.isBusy(task.busyDocument, true);
        return std::any_of(task.busyFolders.begin(), task.busyFolders.end(),
                           [this](int id) { return m_fixture.isBusy(id, false); });
    }

    QByteArray resultBytes(const TaskCase &task)
    {
        if (task.busyDocument)
            return m_fixture.storedBytes(m_fixture.portalDocument(1001).value(QStringLiteral("OfflineFileId")).toInt());
        return m_fixture.storedBytes(m_fixture.lastTask().value(QStringLiteral("ResultFileId")).toInt());
    }

    static void addCaseRows()
    {
        QTest::addColumn<int>("index");
        const QList<TaskCase> cases = taskCases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::addRow("%s", cases[i].name) << i;
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
        addCaseRows();
    }

    void followsTheTaskToItsEnd()
    {
        QFETCH(int, index);
        const TaskCase task = taskCases().at(index);
        const bool downloads = !task.downloadPath.isEmpty();
        const QString folder = m_fixture.targetFolder();
        if (downloads)
            QVERIFY(TestEnvironment::writeFile(folder + QLatin1Char('/') + takenName(task), "mine"));
        // Statuses 1, 2, then 3: three polls.
        QVERIFY(m_fixture.simulator().setTaskSteps(3));

        Worker *worker = task.make(&m_fixture.dao(), folder);
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        QVERIFY(m_fixture.waitForRequest(PortalPath::s_userTask));
        QVERIFY(finished.isEmpty());
        QCOMPARE(busy(task), task.busyDuringTask);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, task.message);
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());

        const QStringList requests = m_fixture.requests();
        QCOMPARE(requests.size(), downloads ? 5 : 4);
        QVERIFY(requests.first().contains(task.startPath));
        const int taskId = m_fixture.lastTask().value(QStringLiteral("Id")).toInt();
        QCOMPARE(requests.filter(QStringLiteral("GET %1?Id=%2").arg(PortalPath::s_userTask).arg(taskId)).size(), 3);
        QCOMPARE(m_fixture.lastTask().value(QStringLiteral("Status")).toInt(), 3);
        if (downloads) {
            QVERIFY(m_fixture.notified({task.downloadStarted, task.info}));
            QVERIFY(requests.last().contains(task.downloadPath + QLatin1Char('?')));
            QCOMPARE(TestEnvironment::readFile(folder + QLatin1Char('/') + task.stored), resultBytes(task));
            QVERIFY(!resultBytes(task).isEmpty());
            QCOMPARE(TestEnvironment::readFile(folder + QLatin1Char('/') + takenName(task)), QByteArray("mine"));
            // Nothing else: no temporary archive, no hidden partial copy.
            QCOMPARE(TransferFixture::entries(folder).size(), 3);
            QCOMPARE(TransferFixture::cacheEntries(), QStringList());
            return;
        }
        QVERIFY(m_fixture.notified({task.info}));
        // A deleted folder left the cache at once; a reload agrees with the portal.
        if (task.startPath.endsWith(QLatin1String("Delete")))
            QVERIFY(!m_fixture.isCached(task.busyFolders.first(), false));
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void fails_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Failure>("failure");
        const QList<QPair<const char *, Failure>> failures{
            {"start refused", Failure::Request},     {"start without a task id", Failure::NoTaskId},
            {"status request failed", Failure::StatusRequest}, {"task failed", Failure::Task},
            {"task never ends", Failure::TimeLimit}, {"download failed", Failure::Download},
            {"unusable target folder", Failure::UnusableFolder}};
        const QList<TaskCase> cases = taskCases();
        for (int i = 0; i < cases.size(); ++i) {
            for (const auto &failure : failures) {
                if (failure.second >= Failure::Download && cases[i].downloadPath.isEmpty())
                    continue;
                QTest::addRow("%s: %s", cases[i].name, failure.first) << i << failure.second;
            }
        }
    }

    void fails()
    {
        QFETCH(int, index);
        QFETCH(Failure, failure);
        const TaskCase task = taskCases().at(index);
        const OperationFixture::PortalFailure &refusal = OperationFixture::portalError();
        QString folder = m_fixture.targetFolder();
        QVERIFY(m_fixture.simulator().setTaskSteps(2));
        QString warning = task.checkFailed;
        QString message = refusal.message;
        QStringList bodies;
        switch (failure) {
        case Failure::Request:
            QVERIFY(m_fixture.simulator().setFault(task.startPath, refusal.fault));
            warning = task.requestFailed;
            break;
        case Failure::NoTaskId:
            QVERIFY(m_fixture.simulator().setFault(task.startPath, {{"status", 200}, {"body", QJsonObject()}}));
            warning = task.requestFailed;
            message = task.downloadPath.isEmpty() ? QStringLiteral("The portal sent an answer that cannot be read.")
                                                  : QStringLiteral("The portal sent no readable server task state.");
            break;
        case Failure::StatusRequest:
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, refusal.fault));
            break;
        case Failure::Task:
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            warning = task.taskFailed;
            message = QStringLiteral("Server error");
            break;
        case Failure::TimeLimit:
            QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
            ServerTaskPoller::setTimeLimit(700);
            message = QStringLiteral("The portal did not finish the operation in time.");
            break;
        case Failure::Download:
            QVERIFY(m_fixture.simulator().setFault(task.downloadPath, refusal.fault));
            warning = task.downloadFailed;
            message = QStringLiteral("Internal Server Error");
            bodies << task.downloadStarted;
            break;
        case Failure::UnusableFolder:
            folder = m_fixture.unusableFolder();
            warning = task.downloadFailed;
            message = task.busyDocument ? QStringLiteral("Could not save the document in %1").arg(folder)
                                        : QStringLiteral("Error write downloaded file");
            bodies << task.downloadStarted;
            break;
        }
        const QStringList myDocumentsBefore = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        const QStringList trashBefore = m_fixture.cachedListing(OperationFixture::s_trash);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(task.make(&m_fixture.dao(), folder), &outcome));
        QCOMPARE(outcome.success, false);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), myDocumentsBefore);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trashBefore);
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), QStringList{QStringLiteral("plain")});
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        const int polls = m_fixture.requestCount(PortalPath::s_userTask);
        if (failure == Failure::Request || failure == Failure::NoTaskId)
            QCOMPARE(polls, 0);
        QVERIFY(m_fixture.notified(bodies << warning, outcome.message));

        // Given up is given up: no poll follows.
        if (failure == Failure::StatusRequest || failure == Failure::Task || failure == Failure::TimeLimit) {
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

    // A PDF is downloaded as it is; only the lower-case extension counts as one.
    void pdfNeedsNoConversion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("request");
        QTest::newRow("pdf") << "Contract.pdf" << "GET /api/v1/Documents/Download?id=1004&download=false&offline=true";
        QTest::newRow("capital PDF") << "CONTRACT.PDF" << "GET /api/v1/Documents/Convert?id=1004";
    }

    void pdfNeedsNoConversion()
    {
        QFETCH(QString, name);
        QFETCH(QString, request);
        const QString folder = m_fixture.targetFolder();
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(
            new DownloadPdfWorker(&m_fixture.dao(), 1004, name, folder, DirectoryType::MyDocuments), &outcome));
        QCOMPARE(outcome.success, name.endsWith(QLatin1String(".pdf")));
        QCOMPARE(m_fixture.requests(), QStringList{request});
        QCOMPARE(m_fixture.busyCount(), 0);
        if (!outcome.success) {
            // The portal cannot convert a PDF and says so.
            QVERIFY(m_fixture.notified({"Error prepare document " + name}, outcome.message));
            return;
        }
        QCOMPARE(TestEnvironment::readFile(folder + QLatin1Char('/') + name),
                 m_fixture.storedBytes(m_fixture.portalDocument(1004).value(QStringLiteral("FileId")).toInt()));
    }
};

VELLIX_TEST_MAIN(TestTaskWorkers, QCoreApplication)
#include "tst_taskworkers.moc"
