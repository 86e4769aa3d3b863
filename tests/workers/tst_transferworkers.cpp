#include "filesizelimit.h"
#include "testenvironment.h"
#include "portalrefusal.h"
#include "transferfixture.h"
#include "workers/blockfilecopy.h"
#include "workers/clearfolderworker.h"
#include "workers/copyfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/downloadarchivedirectoryworker.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/freefilename.h"
#include "workers/movefolderworker.h"
#include "workers/servertaskpoller.h"
#include "workers/uploaddocumentworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QPointer>
#include <QRunnable>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <functional>
#include <memory>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FreeFileName::Kind)

namespace {
const int s_welcome = 1001;
const QString s_download = QStringLiteral("/api/v1/Documents/Download");
const QString s_upload = QStringLiteral("/api/v1/Documents/Upload");

// Transfers report the reply's own error text; a fault "unusable" stands for a local place that cannot be used.
void transferRows(const QString &unusable)
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("done") << QJsonObject() << QString();
    QTest::newRow("portal error") << PortalRefusal::fault() << "Internal Server Error";
    QTest::newRow("connection dropped") << QJsonObject{{"mode", "drop"}} << "Connection closed";
    QTest::newRow("unusable place") << QJsonObject{{"unusable", true}} << unusable;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

bool sameDevice(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(qPrintable(a), &first) == 0 && ::stat(qPrintable(b), &second) == 0 && first.st_dev == second.st_dev;
}

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
    // Warnings: start refused, status request failed, task failed or never ended; one stands for all.
    QStringList warnings;
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
    return {
        {"move folders",
         [=](DataAccessObject *dao, const QString &) {
             return new MoveFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, root);
         },
         v1 + "DocumentDirectory/Move", {113, 114}, 0, false, "Reports, Photos", "Folder Reports, Photos already moved",
         {"Error move folder Reports, Photos", "Error move folders Reports, Photos", "Error move folders"}},
        {"copy folders",
         [=](DataAccessObject *dao, const QString &) {
             return new CopyFolderWorker(dao, {113, 114}, 110, CopyFolderFlags::Copy, names, root);
         },
         v1 + "DocumentDirectory/Copy", {113, 114}, 0, true, "113, 114", "Folder Reports, Photos already copied",
         {"Error copy folder Reports, Photos"}},
        {"delete folder",
         [=](DataAccessObject *dao, const QString &) { return new DeleteFolderWorker(dao, 114, "Photos", root); },
         v1 + "DocumentDirectory/Delete", {114}, 0, false, "Photos", "Folder Photos already moved to trash",
         {"Error move folder Photos to trash"}},
        {"delete folder in trash",
         [](DataAccessObject *dao, const QString &) { return new DeleteFolderWorker(dao, 120, "Drafts", DirectoryType::Trash); },
         v1 + "DocumentDirectory/Delete", {120}, 0, false, "Drafts", "Folder Drafts already deleted",
         {"Error delete folder Drafts"}},
        {"clear trash",
         [](DataAccessObject *, const QString &) { return new ClearFolderWorker("Trash", OperationFixture::s_trash); },
         v1 + "DocumentDirectory/Clear", {}, 0, false, "105", "Folder Trash already cleared", {"Error clear folder Trash"}},
        {"pdf",
         [=](DataAccessObject *dao, const QString &folder) {
             return new DownloadPdfWorker(dao, 1001, "Welcome.docx", folder, root);
         },
         v1 + "Documents/Convert", {}, 1001, true, QString(), "Download document Welcome.docx success",
         {"Error prepare document Welcome.docx", "Error convert document Welcome.docx", "Error convert document Welcome.docx"},
         v1 + "Documents/Download", "Welcome_copy_1.pdf", "Start download document Welcome.docx",
         "Error download document Welcome.docx"},
        {"archive",
         [=](DataAccessObject *dao, const QString &folder) {
             return new DownloadArchiveDirectoryWorker(dao, 110, "Projects", folder, root);
         },
         v1 + "DocumentDirectory/Archive", {110}, 0, true, QString(), "Download folder archive Projects success",
         {"Error archive folder Projects"}, v1 + "UserTask/Download", "Projects(1).zip", "Start download archive Projects",
         "Error download folder archive Projects"},
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

// Downloads of a document into a local folder, uploads of a local file, the
// folder operations, PDF and archive downloads that wait for a server task, and
// how a download finds its free name and is put in place.
class TestTransferWorkers : public QObject
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
    void initTestCase() { QVERIFY(m_fixture.start()); }

    void init() { QVERIFY(m_fixture.reset()); }

    void cleanup()
    {
        ServerTaskPoller::setTimeLimit(ServerTaskPoller::s_defaultTimeLimitMs);
    }

    void download_data() { transferRows(QStringLiteral("Could not save the file in ")); }

    // Under a free name, never over a file of the user's, and nothing left behind on failure.
    void download()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const bool unusable = fault.contains(QStringLiteral("unusable"));
        const QString folder = unusable ? m_fixture.unusableFolder() : m_fixture.targetFolder();
        const QString name = QStringLiteral("report.v1.2.docx");
        QVERIFY(TestEnvironment::writeFile(m_fixture.targetFolder() + QLatin1Char('/') + name, "mine"));
        if (!fault.isEmpty() && !unusable)
            QVERIFY(m_fixture.simulator().setFault(s_download, fault));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(
            new DownloadFileWorker(&m_fixture.dao(), s_welcome, folder, name, DirectoryType::MyDocuments), &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(TestEnvironment::readFile(m_fixture.targetFolder() + QLatin1Char('/') + name), QByteArray("mine"));
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        if (!fault.isEmpty()) {
            QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), (QStringList{"plain", name}));
            const QString warning = unusable ? "Error download document " : "Error download file ";
            QVERIFY(m_fixture.notified({"Start download file " + name, warning + name}, outcome.message));
            return;
        }
        QCOMPARE(TestEnvironment::readFile(m_fixture.targetFolder() + QStringLiteral("/report.v1.2_copy_1.docx")),
                 m_fixture.storedBytes(m_fixture.portalDocument(s_welcome).value(QStringLiteral("FileId")).toInt()));
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()).size(), 3);
        QCOMPARE(m_fixture.requests(), QStringList{QStringLiteral("GET %1?id=1001&download=false&offline=false").arg(s_download)});
        QVERIFY(m_fixture.notified({"Start download file " + name, "Download file " + name + " success"}));
    }

    void upload_data() { transferRows(QStringLiteral("error open file")); }

    void upload()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const bool unusable = fault.contains(QStringLiteral("unusable"));
        QTemporaryDir local;
        const QString path = local.filePath(QStringLiteral("report.v1.2.docx"));
        const QByteArray bytes = QByteArray("PK\x03\x04 not really a document ") + QByteArray(200000, 'v');
        if (!unusable)
            QVERIFY(TestEnvironment::writeFile(path, bytes));
        if (!fault.isEmpty() && !unusable)
            QVERIFY(m_fixture.simulator().setFault(s_upload, fault));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new UploadDocumentWorker(path, 110), &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        if (unusable) {
            QCOMPARE(m_fixture.requestCount(s_upload), 0);
            QVERIFY(m_fixture.notified({"Error upload file report.v1.2.docx"}, outcome.message));
            return;
        }
        if (!fault.isEmpty()) {
            // A closed connection is the portal's refusal of the upload.
            const QString summary = fault.contains(QStringLiteral("mode")) ? "Server decline upload" : outcome.message;
            QVERIFY(m_fixture.notified({"File report.v1.2.docx upload started", "Error upload file report.v1.2.docx"},
                                       summary));
            return;
        }
        QJsonObject uploaded;
        for (const QJsonValue &document : m_fixture.simulator().state().value(QStringLiteral("documents")).toArray()) {
            if (document.toObject().value(QStringLiteral("Name")).toString() == QLatin1String("report.v1.2.docx"))
                uploaded = document.toObject();
        }
        QCOMPARE(uploaded.value(QStringLiteral("DirectoryId")).toInt(), 110);
        QCOMPARE(m_fixture.storedBytes(uploaded.value(QStringLiteral("FileId")).toInt()), bytes);
        QVERIFY(m_fixture.notified({"File report.v1.2.docx upload started", "File report.v1.2.docx already uploaded"}));
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

    void taskFails_data()
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
            // With one warning for all and no download, a worker fails each other way as the others do.
            const bool plain = cases[i].warnings.size() == 1 && cases[i].downloadPath.isEmpty();
            for (const auto &failure : failures) {
                if ((failure.second >= Failure::Download && cases[i].downloadPath.isEmpty())
                    || (plain && failure.second != Failure::Request && failure.second != Failure::Task))
                    continue;
                QTest::addRow("%s: %s", cases[i].name, failure.first) << i << failure.second;
            }
        }
    }

    void taskFails()
    {
        QFETCH(int, index);
        QFETCH(Failure, failure);
        const TaskCase task = taskCases().at(index);
        QString folder = m_fixture.targetFolder();
        QVERIFY(m_fixture.simulator().setTaskSteps(2));
        const auto warningOf = [&](int kind) { return task.warnings.value(kind, task.warnings.first()); };
        QString warning = warningOf(1);
        QString message = PortalRefusal::text();
        QStringList bodies;
        switch (failure) {
        case Failure::Request:
            QVERIFY(m_fixture.simulator().setFault(task.startPath, PortalRefusal::fault()));
            warning = warningOf(0);
            break;
        case Failure::NoTaskId:
            QVERIFY(m_fixture.simulator().setFault(task.startPath, {{"status", 200}, {"body", QJsonObject()}}));
            warning = warningOf(0);
            message = task.downloadPath.isEmpty() ? QStringLiteral("The portal sent an answer that cannot be read.")
                                                  : QStringLiteral("The portal sent no readable server task state.");
            break;
        case Failure::StatusRequest:
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, PortalRefusal::fault()));
            break;
        case Failure::Task:
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            warning = warningOf(2);
            message = QStringLiteral("Server error");
            break;
        case Failure::TimeLimit:
            QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
            ServerTaskPoller::setTimeLimit(700);
            message = QStringLiteral("The portal did not finish the operation in time.");
            break;
        case Failure::Download:
            QVERIFY(m_fixture.simulator().setFault(task.downloadPath, PortalRefusal::fault()));
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

    // A finished download is put in place off the main thread: the result
    // handler returns at once, runs no other handler meanwhile, and the outcome follows.
    void handlerLeavesTheFileToAPoolThread_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("base");
        const QString otherFileSystem = QStringLiteral("/dev/shm");
        for (const bool pdf : {false, true}) {
            const char *kind = pdf ? "pdf" : "file";
            QTest::addRow("%s, same file system", kind) << pdf << QDir::tempPath();
            if (QDir(otherFileSystem).exists() && !sameDevice(otherFileSystem, QDir::tempPath()))
                QTest::addRow("%s, other file system", kind) << pdf << otherFileSystem;
        }
    }

    void handlerLeavesTheFileToAPoolThread()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, base);
        const QString placed = pdf ? QStringLiteral("report.pdf") : QStringLiteral("report.docx");
        QTemporaryDir downloads;
        QTemporaryDir target(base + QStringLiteral("/vellix-placement-XXXXXX"));
        QVERIFY(downloads.isValid() && target.isValid());
        const QString download = downloads.filePath(QStringLiteral("download.tmp"));
        const QByteArray bytes = pattern(int(3 * BlockFileCopy::s_blockSize + 5));
        QVERIFY(TestEnvironment::writeFile(download, bytes));

        std::unique_ptr<Worker> worker;
        if (pdf)
            worker.reset(new DownloadPdfWorker(nullptr, 1, "report.docx", target.path(), DirectoryType::MyDocuments));
        else
            worker.reset(new DownloadFileWorker(nullptr, 1, target.path(), "report.docx", DirectoryType::MyDocuments));
        QSignalSpy finished(worker.get(), &Worker::workFinished);
        bool inHandler = true;
        bool ranInHandler = false;
        QMetaObject::invokeMethod(this, [&] { ranInHandler = inHandler; }, Qt::QueuedConnection);
        const QVariantMap result{{"success", true}, {"error", QString()}, {"tmpDocumentPath", download}};
        QVERIFY(QMetaObject::invokeMethod(worker.get(), "handleDownloadRequest", Qt::DirectConnection,
                                          Q_ARG(QVariantMap, result)));
        inHandler = false;
        QVERIFY(!ranInHandler);
        QVERIFY(finished.isEmpty());

        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(TestEnvironment::readFile(target.filePath(placed)), bytes);
        QVERIFY(!QFile::exists(download));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{placed});
    }

    void freeNames_data()
    {
        QTest::addColumn<FreeFileName::Kind>("kind");
        QTest::addColumn<QString>("name");
        // An entry ending in "@" is a link to nothing.
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");

        const QString dotted = QStringLiteral("report.v1.2.docx");
        const auto document = FreeFileName::Document;
        QTest::newRow("free") << document << dotted << QStringList() << dotted;
        QTest::newRow("dots kept when taken") << document << dotted << QStringList{dotted} << "report.v1.2_copy_1.docx";
        QTest::newRow("doubly taken") << document << dotted << QStringList{dotted, "report.v1.2_copy_1.docx"}
                                      << "report.v1.2_copy_2.docx";
        QTest::newRow("only the numbered name taken") << document << dotted << QStringList{"report.v1.2_copy_1.docx"}
                                                      << dotted;
        QTest::newRow("no dot, taken") << document << "README" << QStringList{"README"} << "README_copy_1";
        QTest::newRow("dangling link counts as taken") << document << "a.txt" << QStringList{"a.txt@"} << "a_copy_1.txt";
        QTest::newRow("percent marks in the name") << document << "50%2 %1.txt" << QStringList{"50%2 %1.txt"}
                                                   << "50%2 %1_copy_1.txt";
        QTest::newRow("slash stays inside the folder") << document << "../escape.txt" << QStringList() << ".._escape.txt";
        QTest::newRow("parent folder as the name") << document << ".." << QStringList() << "Untitled";
        QTest::newRow("the folder itself as the name") << document << "." << QStringList() << "Untitled";
        QTest::newRow("no name") << FreeFileName::Pdf << QString() << QStringList() << "Untitled.pdf";
        QTest::newRow("pdf of a dotted name") << FreeFileName::Pdf << dotted << QStringList() << "report.v1.2.pdf";
        QTest::newRow("pdf taken twice") << FreeFileName::Pdf << dotted
                                         << QStringList{"report.v1.2.pdf", "report.v1.2_copy_1.pdf"}
                                         << "report.v1.2_copy_2.pdf";
        QTest::newRow("pdf of a pdf") << FreeFileName::Pdf << "Contract.pdf" << QStringList() << "Contract.pdf";
        QTest::newRow("pdf without a dot") << FreeFileName::Pdf << "notes" << QStringList() << "notes.pdf";
        QTest::newRow("archive") << FreeFileName::Archive << "Projects" << QStringList() << "Projects.zip";
        QTest::newRow("archive taken") << FreeFileName::Archive << "Projects" << QStringList{"Projects.zip"}
                                       << "Projects(1).zip";
        QTest::newRow("archive doubly taken") << FreeFileName::Archive << "v1.2" << QStringList{"v1.2.zip", "v1.2(1).zip"}
                                              << "v1.2(2).zip";
    }

    void freeNames()
    {
        QFETCH(FreeFileName::Kind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &file : existing) {
            if (file.endsWith(QLatin1Char('@')))
                QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), folder.filePath(file.chopped(1))));
            else
                QVERIFY(TestEnvironment::writeFile(folder.filePath(file), "x"));
        }
        // A trailing slash of the folder makes no double slash.
        QCOMPARE(FreeFileName(kind, folder.path() + QLatin1Char('/'), name).firstFree(), folder.filePath(expected));
    }

    // A name taken just before the store moves on to the next; a store that
    // fails otherwise ends the placing.
    void place_data()
    {
        QTest::addColumn<bool>("takenMeanwhile");
        QTest::newRow("taken meanwhile") << true;
        QTest::newRow("store fails") << false;
    }

    void place()
    {
        QFETCH(bool, takenMeanwhile);
        QTemporaryDir folder;
        QStringList tried;
        const QString placed = FreeFileName(FreeFileName::Archive, folder.path(), QStringLiteral("A")).place([&](const QString &name) {
            tried << QFileInfo(name).fileName();
            if (tried.size() == 1) {
                if (takenMeanwhile)
                    TestEnvironment::writeFile(name, "theirs");
                return false;
            }
            return TestEnvironment::writeFile(name, "ours");
        });
        QCOMPARE(tried, (takenMeanwhile ? QStringList{"A.zip", "A(1).zip"} : QStringList{"A.zip"}));
        QCOMPARE(placed, takenMeanwhile ? folder.filePath(QStringLiteral("A(1).zip")) : QString());
        QCOMPARE(TestEnvironment::readFile(folder.filePath(QStringLiteral("A.zip"))),
                 takenMeanwhile ? QByteArray("theirs") : QByteArray());
    }

    void blockCopyWriteFailureLeavesNothing()
    {
        QTemporaryDir source;
        QTemporaryDir folder;
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, pattern(int(4 * BlockFileCopy::s_blockSize))));
        QString copied = QStringLiteral("not run");
        {
            // The disk "fills up" after the second block.
            const FileSizeLimit limit(2 * BlockFileCopy::s_blockSize + 100);
            QVERIFY(limit.isActive());
            copied = BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder.path(), QStringLiteral("d.docx")));
        }
        QCOMPARE(copied, QString());
        QCOMPARE(TransferFixture::entries(folder.path()), QStringList());
        QVERIFY(QFile::exists(tmp));
    }

    void blockCopyIntoAnUnusableFolder()
    {
        QTemporaryDir source;
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, "%PDF-1.4"));
        // A folder below a plain file cannot exist, whoever runs the test.
        const QString folder = source.filePath(QStringLiteral("download/documents"));
        QCOMPARE(BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder, QStringLiteral("a.docx"))), QString());
        QCOMPARE(BlockFileCopy::copy(source.filePath(QStringLiteral("missing")),
                                     FreeFileName(FreeFileName::Pdf, source.path(), QStringLiteral("a.docx"))),
                 QString());
        QCOMPARE(TransferFixture::entries(source.path()), QStringList{"download"});
    }
};

VELLIX_TEST_MAIN(TestTransferWorkers, QCoreApplication)
#include "tst_transferworkers.moc"
