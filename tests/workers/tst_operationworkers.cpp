#include "filesizelimit.h"
#include "portalrefusal.h"
#include "settings/settings.h"
#include "testenvironment.h"
#include "operationfixture.h"
#include "workers/addfavoriteworker.h"
#include "workers/authorizationworker.h"
#include "workers/blockfilecopy.h"
#include "workers/checkconflictworker.h"
#include "workers/clearfavoritesworker.h"
#include "workers/clearfolderworker.h"
#include "workers/copyfileandfolderworkers.h"
#include "workers/copyfileworker.h"
#include "workers/copyfolderworker.h"
#include "workers/createdocumentworker.h"
#include "workers/createfolderworker.h"
#include "workers/deletefavoriteworker.h"
#include "workers/deletefileandfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/downloadarchivedirectoryworker.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/forgotpasswordworker.h"
#include "workers/freefilename.h"
#include "workers/getserversettingsworker.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/movefileandfolderworker.h"
#include "workers/movefiletotrashworker.h"
#include "workers/movefileworker.h"
#include "workers/movefolderworker.h"
#include "workers/refreshtokenworker.h"
#include "workers/renamefileworker.h"
#include "workers/renamefolderworker.h"
#include "workers/restorefileandfolderworker.h"
#include "workers/restorefileworker.h"
#include "workers/restorefolderworker.h"
#include "workers/savedocumentaccessrightsworker.h"
#include "workers/savefolderaccessrightsworker.h"
#include "workers/servertaskpoller.h"
#include "workers/sharefileworker.h"
#include "workers/sharefolderworker.h"
#include "workers/unsharefileworker.h"
#include "workers/unsharefolderworker.h"
#include "workers/uploaddocumentworker.h"
#include "workers/userregisterworker.h"

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

namespace {

using Factory = std::function<Worker *(DataAccessObject *)>;
// What the cache (or, for sharing, the portal) shows once the operation was confirmed, before any refresh;
// it is given the My documents listing as it was before the operation.
using CacheCheck = std::function<bool(OperationFixture &, const QStringList &)>;

struct Entry
{
    int id;
    bool isFile;
};

const DirectoryType::RootDirectoryTypes s_myDocuments = DirectoryType::MyDocuments;
const DirectoryType::RootDirectoryTypes s_trash = DirectoryType::Trash;

// The user's access level to the entity on the portal, -1 for none.
CacheCheck access(bool isFile, int id, int userId, int level)
{
    return [=](OperationFixture &fixture, const QStringList &) {
        const QString user = QStringLiteral("u%1:").arg(userId);
        return fixture.portalRights(id, isFile).filter(user)
            == (level < 0 ? QStringList() : QStringList{user + QString::number(level)});
    };
}


using Principals = QList<UserOrRoleEntity>;

CacheCheck named(int id, bool isFile, const QString &name)
{
    return [=](OperationFixture &fixture, const QStringList &) {
        return fixture.cachedValue(id, isFile, QStringLiteral("name")).toString() == name;
    };
}

CacheCheck gone(int id, bool isFile)
{
    return [=](OperationFixture &fixture, const QStringList &) { return !fixture.isCached(id, isFile); };
}

CacheCheck favorite(const QList<int> &ids, bool isFavorite)
{
    return [=](OperationFixture &fixture, const QStringList &) {
        return std::all_of(ids.begin(), ids.end(), [&](int id) {
            return fixture.cachedValue(id, true, QStringLiteral("is_favorite")).toBool() == isFavorite;
        });
    };
}

// The listing of My documents is what it was before the operation.
bool unchanged(OperationFixture &fixture, const QStringList &before)
{
    return fixture.cachedListing(OperationFixture::s_myDocuments) == before;
}

// One operation as the tables below run it: how it succeeds and how it fails.
struct Case
{
    const char *name;
    Factory factory;
    QString endpoint;
    QList<Entry> busy;
    QString message;
    QString info;
    CacheCheck cache;
    QString warning;
    // How the worker words the portal's refusal.
    QString refusal = PortalRefusal::text();
};

QList<Case> cases()
{
    const auto my = s_myDocuments;
    const auto notesCopies = [](int count) {
        return [=](OperationFixture &fixture, const QStringList &) {
            return fixture.loading().cache().count("files_and_folders", "WHERE is_file = 1 AND name LIKE 'Notes%'") == count;
        };
    };
    const auto moveToTrash = [](int id, const QString &name, DirectoryType::RootDirectoryTypes root) {
        return [=](DataAccessObject *dao) { return new MoveFileToTrashWorker(dao, id, name, root); };
    };
    return {
        {"rename file", [=](DataAccessObject *dao) { return new RenameFileWorker(dao, 1005, "Minutes.txt", "Notes.txt", my); },
         "Documents/Rename", {{1005, true}}, "Minutes.txt", "File Notes.txt already renamed",
         named(1005, true, "Minutes.txt"), "Error rename file Notes.txt"},
        {"rename folder", [=](DataAccessObject *dao) { return new RenameFolderWorker(dao, 114, "Pictures", "Photos", my); },
         "DocumentDirectory/Rename", {{114, false}}, "Pictures", "Folder Photos already renamed",
         named(114, false, "Pictures"), "Error rename folder Photos"},
        {"move files",
         [=](DataAccessObject *dao) { return new MoveFileWorker(dao, {1005, 1006}, 113, {"Notes.txt", "Logo.png"}, my); },
         "Documents/Move", {{1005, true}, {1006, true}}, QString(), "File Notes.txt, Logo.png already moved", unchanged,
         "Error move file Notes.txt, Logo.png"},
        {"copy file", [=](DataAccessObject *dao) { return new CopyFileWorker(dao, {1005}, 113, {"Notes.txt"}, my, false); },
         "Documents/Copy", {{1005, true}}, QString(), "File Notes.txt is copied", notesCopies(1), "Error copy file Notes.txt"},
        {"duplicate file", [=](DataAccessObject *dao) { return new CopyFileWorker(dao, {1005}, 100, {"Notes.txt"}, my, true); },
         "Documents/Copy", {{1005, true}}, QString(), "File Notes.txt is duplicated", notesCopies(2),
         "Error copy file Notes.txt"},
        {"move file to trash", moveToTrash(1005, "Notes.txt", my), "Documents/Delete", {{1005, true}}, "Notes.txt",
         "File Notes.txt already move to trash", gone(1005, true), "Error move file Notes.txt to trash"},
        {"remove file from trash", moveToTrash(1051, "Old budget.xlsx", s_trash), "Documents/Delete", {{1051, true}},
         "Old budget.xlsx", "File Old budget.xlsx already removed", gone(1051, true), "Error delete file Old budget.xlsx"},
        {"restore file", [](DataAccessObject *dao) { return new RestoreFileWorker(dao, 1051, 100, "Old budget.xlsx", s_trash); },
         "Documents/Restore", {{1051, true}}, "1051", "File Old budget.xlsx already restored", gone(1051, true),
         "Error restore file Old budget.xlsx"},
        {"restore folder",
         [](DataAccessObject *dao) { return new RestoreFolderWorker(dao, 120, 100, "Drafts", CopyFolderFlags::Copy, s_trash); },
         "DocumentDirectory/Restore", {{120, false}}, "120", "Folder Drafts already restored", gone(120, false),
         "Error restore folder Drafts"},
        {"add favorite", [=](DataAccessObject *dao) { return new AddFavoriteWorker(dao, 1005, "Notes.txt", my); },
         "Favorites/Add", {{1005, true}}, "Notes.txt", "File Notes.txt already added to favorites", favorite({1005}, true),
         "Error adding file to favorites Notes.txt"},
        {"remove one favorite",
         [=](DataAccessObject *dao) { return new DeleteFavoriteWorker(dao, {1002}, {"Budget 2024.xlsx"}, my); },
         "Favorites/Delete", {{1002, true}}, "Budget 2024.xlsx", "File Budget 2024.xlsx already removed from favorites",
         favorite({1002}, false), "Error removing file Budget 2024.xlsx from favorites"},
        {"remove two favorites",
         [=](DataAccessObject *dao) {
             return new DeleteFavoriteWorker(dao, {1002, 1003}, {"Budget 2024.xlsx", "Roadmap.pptx"}, my);
         },
         "Favorites/Delete", {{1002, true}, {1003, true}}, "Budget 2024.xlsx, Roadmap.pptx",
         "Files Budget 2024.xlsx, Roadmap.pptx already removed from favorites", favorite({1002, 1003}, false),
         "Error removing files Budget 2024.xlsx, Roadmap.pptx from favorites"},
        {"share file",
         [=](DataAccessObject *dao) { return new ShareFileWorker(dao, 1005, 3, FileAccessType::Write, "Notes.txt", my); },
         "Documents/Share", {{1005, true}}, QString(), "File Notes.txt already shared", access(true, 1005, 3, 5),
         "Error share file Notes.txt"},
        {"unshare file",
         [=](DataAccessObject *dao) { return new UnShareFileWorker(dao, 1001, 2, FileAccessType::Read, "Welcome.docx", my); },
         "Documents/UnShare", {{1001, true}}, QString(), "File Welcome.docx already unshared", access(true, 1001, 2, -1),
         "Error unshare file Welcome.docx"},
        // The folder calls report the reply's own error text.
        {"share folder",
         [=](DataAccessObject *dao) { return new ShareFolderWorker(dao, 114, 4, FileAccessType::Read, "Photos", my); },
         "DocumentDirectory/Share", {{114, false}}, QString(), "Folder Photos already shared", access(false, 114, 4, 1),
         "Error share folder Photos", "Internal Server Error"},
        {"unshare folder",
         [=](DataAccessObject *dao) { return new UnShareFolderWorker(dao, 113, 2, FileAccessType::Read, "Reports", my); },
         "DocumentDirectory/UnShare", {{113, false}}, QString(), "Folder Reports already unshared",
         access(false, 113, 2, -1), "Error unshare folder Reports", "Internal Server Error"},
    };
}

struct Selection
{
    QList<int> fileIds;
    QStringList fileNames;
    QList<int> folderIds;
    QStringList folderNames;
};

// An operation on a selection of files and folders: its worker, the verb of
// its two calls, whether the folders' call starts a server task, and its
// notifications of files done and failed, then of folders done and failed.
struct Mixed
{
    const char *name;
    std::function<Worker *(DataAccessObject *, const Selection &)> make;
    bool inTrash;
    QString verb;
    bool task;
    bool removesEntries;
    QStringList texts;

    Selection selection() const
    {
        return inTrash ? Selection{{1051}, {"Old budget.xlsx"}, {120}, {"Drafts"}}
                       : Selection{{1005, 1006}, {"Notes.txt", "Logo.png"}, {114}, {"Photos"}};
    }
    QString filesRequest() const { return "POST /api/v1/Documents/" + verb; }
    QString foldersRequest() const { return "POST /api/v1/DocumentDirectory/" + verb; }
};

QList<Mixed> mixedCases()
{
    const auto my = DirectoryType::MyDocuments;
    return {
        {"move",
         [=](DataAccessObject *dao, const Selection &s) {
             return new MoveFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 113,
                                                CopyFolderFlags::Copy, my);
         },
         false, "Move", true, false,
         {"Files are moved successfully", "Error move files", "Folders are moved successfully", "Error move folders"}},
        {"copy",
         [=](DataAccessObject *dao, const Selection &s) {
             return new CopyFileAndFolderWorkers(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 113,
                                                 CopyFolderFlags::Copy, my);
         },
         false, "Copy", true, false,
         {"Files are copied successfully", "Error copy files", "Folders are copied successfully", "Error copy folders"}},
        {"restore",
         [](DataAccessObject *dao, const Selection &s) {
             return new RestoreFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 100,
                                                   CopyFolderFlags::Copy, s_trash);
         },
         true, "Restore", false, true,
         {"File Old budget.xlsx already restored", "Error restore file Old budget.xlsx", "Folder Drafts already restored",
          "Error restore folder Drafts"}},
        {"delete",
         [=](DataAccessObject *dao, const Selection &s) {
             return new DeleteFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, my);
         },
         false, "Delete", true, true,
         {"Files Notes.txt, Logo.png already move to trash", "Error move files Notes.txt, Logo.png to trash",
          "Folder Photos already moved to trash", "Error move folder Photos to trash"}},
        {"delete in trash",
         [](DataAccessObject *dao, const Selection &s) {
             return new DeleteFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, s_trash);
         },
         true, "Delete", true, true,
         {"File Old budget.xlsx already removed", "Error delete file Old budget.xlsx", "Folder Drafts already deleted",
          "Error delete folder Drafts"}},
    };
}

QString pathOf(const QString &request)
{
    return request.section(QLatin1Char(' '), 1);
}

QList<Entry> entries(const QList<int> &ids, bool isFile)
{
    QList<Entry> result;
    for (int id : ids)
        result.append({id, isFile});
    return result;
}

const int s_welcome = 1001;
const QString s_download = QStringLiteral("/api/v1/Documents/Download");
const QString s_upload = QStringLiteral("/api/v1/Documents/Upload");

// Transfers report the reply's own error text; a fault "unusable" stands for a local place that cannot be used.
// The upload adds a dropped connection, which it words as the portal's refusal.
void transferRows(const QString &unusable)
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("done") << QJsonObject() << QString();
    QTest::newRow("portal error") << PortalRefusal::fault() << "Internal Server Error";
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
using TaskFactory = std::function<Worker *(DataAccessObject *, const QString &folder)>;

// A worker that follows a server task: what it sends, marks and reports.
struct TaskCase
{
    const char *name;
    TaskFactory make;
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

Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(CacheCheck)
Q_DECLARE_METATYPE(QList<Entry>)
Q_DECLARE_METATYPE(Principals)
Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(FreeFileName::Kind)

// File, folder, favorite and sharing operations, the account calls, downloads
// and uploads, the operations that wait for a server task, and how a download
// finds its free name and is put in place.
class TestOperationWorkers : public QObject
{
    Q_OBJECT
private:
    OperationFixture m_fixture;
    QStringList m_listingBefore;

    // A call of the worker held by the portal: the entries busy and those not
    // busy while it waits.
    struct Step
    {
        QString path;
        QList<Entry> busy;
        QList<Entry> idle;
    };

    // Starts the worker with the calls of its steps held, so that the busy
    // marks can be seen while the portal works, and lets each call answer in turn.
    bool runWithBusyMarks(Worker *worker, const QList<Step> &steps, OperationFixture::Outcome *outcome)
    {
        for (const Step &step : steps)
            m_fixture.simulator().setFault(step.path, {{QStringLiteral("mode"), QStringLiteral("hold")}});
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        const auto busy = [&](const Entry &entry) { return m_fixture.isBusy(entry.id, entry.isFile); };
        for (const Step &step : steps) {
            const bool marked = m_fixture.waitForRequest(step.path)
                && std::all_of(step.busy.begin(), step.busy.end(), busy)
                && std::none_of(step.idle.begin(), step.idle.end(), busy);
            if (!marked || !finished.isEmpty() || !m_fixture.simulator().releaseHeld()) {
                qWarning() << "the entries were not busy while the portal worked on" << step.path;
                return false;
            }
        }
        return OperationFixture::finishedOnce(finished, outcome);
    }

    // Waits for the one result and makes sure no second one follows.
    static QList<QVariant> singleResult(QSignalSpy &spy) { return finishedOnce(spy) ? spy.first() : QList<QVariant>(); }

    int cachedRows(const QString &table) { return m_fixture.loading().cache().count(table); }

    QList<QVariant> signIn(Settings *settings, const QString &password = SimulatorProcess::s_demoPassword)
    {
        AuthorizationWorker worker(settings, &m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.authorize(SimulatorProcess::s_demoLogin, password);
        return singleResult(finished);
    }

    QList<QVariant> refresh(Settings *settings)
    {
        RefreshTokenWorker worker(settings, &m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.refreshToken();
        return singleResult(finished);
    }

    // The portal's requests apart from the task polls.
    QStringList operationRequests()
    {
        QStringList requests = m_fixture.requests();
        requests.erase(std::remove_if(requests.begin(), requests.end(),
                                      [](const QString &request) { return request.contains(PortalPath::s_userTask); }),
                       requests.end());
        return requests;
    }

    bool allCached(const QList<int> &ids, bool isFile)
    {
        return std::all_of(ids.begin(), ids.end(), [&](int id) { return m_fixture.isCached(id, isFile); });
    }

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

private slots:
    void initTestCase() { QVERIFY(m_fixture.start()); }

    void init()
    {
        QVERIFY(m_fixture.reset());
        m_listingBefore = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        // Signed out of every account but with the portal's token of the reset.
        Settings settings;
        const QString token = settings.accessToken();
        settings.logOut();
        settings.savePortalAddress(m_fixture.simulator().baseUrl());
        settings.saveAccessToken(token);
    }

    void cleanup() { ServerTaskPoller::setTimeLimit(ServerTaskPoller::s_defaultTimeLimitMs); }

    // Each operation confirmed, and refused by the portal.
    void runs_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<Entry>>("busy");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notification");
        QTest::addColumn<CacheCheck>("cache");
        for (const Case &c : cases()) {
            const QString path = "/api/v1/" + c.endpoint;
            QTest::newRow(c.name) << c.factory << path << c.busy << QJsonObject() << true << c.message << c.info << c.cache;
            QTest::addRow("%s: refused", c.name)
                << c.factory << path << c.busy << PortalRefusal::fault() << false << c.refusal << c.warning << CacheCheck();
        }
    }

    void runs()
    {
        QFETCH(Factory, factory);
        QFETCH(QString, path);
        QFETCH(QList<Entry>, busy);
        QFETCH(QJsonObject, fault);
        QFETCH(bool, success);
        QFETCH(QString, message);
        QFETCH(QString, notification);
        QFETCH(CacheCheck, cache);

        // Folder 113 is shared with a group only: user 2 gets access first.
        if (path.endsWith(QLatin1String("DocumentDirectory/UnShare")))
            m_fixture.loading().portal("POST", "/api/v1/DocumentDirectory/Share",
                                       {{"AccessType", "Read"}, {"ToUserIds", QJsonArray{"2"}}, {"Ids", QJsonArray{"113"}}});
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(path, fault));
        const QStringList trashBefore = m_fixture.cachedListing(OperationFixture::s_trash);
        Worker *worker = factory(&m_fixture.dao());
        QPointer<Worker> alive(worker);
        OperationFixture::Outcome outcome;
        QVERIFY(success ? runWithBusyMarks(worker, {{path, busy, {}}}, &outcome) : OperationFixture::runOnPool(worker, &outcome));
        QCOMPARE(outcome.success, success);
        QVERIFY2(success ? outcome.message == message : outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(m_fixture.notified({notification}, success ? QString() : outcome.message));
        if (success) {
            QVERIFY(cache(m_fixture, m_listingBefore));
            QCOMPARE(m_fixture.requestCount(path), 1);
            // A reload of both sections shows exactly what the portal holds.
            QVERIFY(m_fixture.reloadedCacheMatchesPortal());
            return;
        }
        // Nothing changed in the cache, favorite marks included.
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), m_listingBefore);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trashBefore);
    }

    void createKeepsIdsOfTheLastCreation_data()
    {
        QTest::addColumn<bool>("document");
        QTest::newRow("document") << true;
        QTest::newRow("folder") << false;
    }

    void createKeepsIdsOfTheLastCreation()
    {
        QFETCH(bool, document);
        CreateDocumentWorker documentWorker;
        CreateFolderWorker folderWorker;
        Worker *worker = document ? static_cast<Worker *>(&documentWorker) : &folderWorker;
        const auto createdId = [&] { return document ? documentWorker.idCreatedDocument() : folderWorker.idCreatedFolder(); };
        QCOMPARE(createdId(), -1);
        QCOMPARE(documentWorker.idOwner(), -1);

        // Two creations, then a failed one that keeps the ids of the last good one.
        const QStringList names = document ? QStringList{"Plan.docx", "Sheet.xlsx", "Third"} : QStringList{"Plans", "Sheets", "Third"};
        QList<int> ids;
        OperationFixture::Outcome outcome;
        for (const QString &name : names) {
            const bool fails = name == QLatin1String("Third");
            if (fails)
                QVERIFY(m_fixture.simulator().setFault(
                    document ? "/api/v1/Documents/Create" : "/api/v1/DocumentDirectory/AddSubDirectory", {{"status", 500}}));
            QSignalSpy finished(worker, &Worker::workFinished);
            document ? documentWorker.createDocument(name, 113) : folderWorker.createFolder(name, 113, false);
            QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
            QCOMPARE(outcome.success, !fails);
            QVERIFY(fails ? !outcome.message.isEmpty() : outcome.message == name);
            if (fails) {
                QCOMPARE(createdId(), ids.last());
                break;
            }
            // The ids are the portal's, and each creation replaced the one before.
            const QJsonArray entries = m_fixture.simulator().state().value(document ? "documents" : "folders").toArray();
            const auto created = std::find_if(entries.begin(), entries.end(), [&](const QJsonValue &entry) {
                return entry.toObject().value(QStringLiteral("Name")).toString() == name;
            });
            QVERIFY(created != entries.end());
            QCOMPARE(createdId(), created->toObject().value(QStringLiteral("Id")).toInt());
            if (document)
                QCOMPARE(documentWorker.idOwner(), created->toObject().value(QStringLiteral("OwnerId")).toInt());
            QVERIFY(!ids.contains(createdId()));
            ids << createdId();
        }
        QVERIFY(m_fixture.notified({names.at(0) + " created successfuly", names.at(1) + " created successfuly", "Error create"},
                                   outcome.message));
    }

    void clearFavorites_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused") << PortalRefusal::fault() << PortalRefusal::text();
        QTest::newRow("confirmed") << QJsonObject() << QString();
    }

    void clearFavorites()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const QString path = QStringLiteral("/api/v1/Favorites/Delete");
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(path, fault));
        QVERIFY(m_fixture.cachedValue(1002, true, QStringLiteral("is_favorite")).toBool());

        ClearFavoritesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.clearFavorites();
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QCOMPARE(outcome.message, message);
        QCOMPARE(m_fixture.cachedValue(1002, true, QStringLiteral("is_favorite")).toBool(), !fault.isEmpty());
        if (fault.isEmpty())
            QCOMPARE(m_fixture.requests(), QStringList{QStringLiteral("DELETE ") + path + QStringLiteral("?type=Document")});
        QVERIFY(m_fixture.notifications(0).isEmpty());
    }

    void checkConflict_data()
    {
        QTest::addColumn<int>("toFolderId");
        QTest::addColumn<bool>("conflict");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        // 110 holds a folder named like Reports (113), see below.
        QTest::newRow("no folder of that name") << 112 << false << QJsonObject() << QString();
        QTest::newRow("a folder of that name") << 110 << true << QJsonObject() << QString();
        QTest::newRow("refused") << 110 << false << PortalRefusal::fault() << PortalRefusal::text();
    }

    void checkConflict()
    {
        QFETCH(int, toFolderId);
        QFETCH(bool, conflict);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        m_fixture.loading().portal("POST", QStringLiteral("/api/v1/DocumentDirectory/AddSubDirectory"),
                                   {{QStringLiteral("Name"), QStringLiteral("Reports")}, {QStringLiteral("ParentId"), 110}});
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/DocumentDirectory/Conflict"), fault));

        CheckConflictWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        QSignalSpy checked(&worker, &CheckConflictWorker::conflictChecked);
        // The result follows the report.
        connect(&worker, &Worker::workFinished, this, [&] { QVERIFY(checked.isEmpty()); });
        worker.checkConflict(toFolderId, {113});
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QCOMPARE(outcome.message, message);
        QCOMPARE(checked.count(), fault.isEmpty() ? 1 : 0);
        if (!checked.isEmpty())
            QCOMPARE(checked.first().first().toBool(), conflict);
        QVERIFY(m_fixture.notifications(0).isEmpty());
    }

    void savesAccessList_data()
    {
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<int>("id");
        QTest::addColumn<Principals>("usersToShare");
        QTest::addColumn<Principals>("rolesToShare");
        QTest::addColumn<Principals>("usersToUnshare");
        QTest::addColumn<Principals>("rolesToUnshare");
        QTest::addColumn<QString>("failingStep");
        QTest::addColumn<QStringList>("rightsAfter");
        const Principals none;
        const Principals user4{principal(4, 5)};
        QTest::newRow("document shared for the first time")
            << true << 1002 << Principals{principal(3, 5), principal(4, 5)} << Principals{principal(2, 1, true)} << none
            << none << QString() << QStringList{"u3:5", "u4:5", "g2:1"};
        QTest::newRow("document access taken from everyone")
            << true << 1001 << none << none << Principals{principal(2, 1)} << none << QString() << QStringList();
        QTest::newRow("folder: group replaced by a user")
            << false << 113 << user4 << none << none << Principals{principal(1, 1, true)} << QString() << QStringList{"u4:5"};
        QTest::newRow("folder saved without changes")
            << false << 113 << none << Principals{principal(1, 1, true)} << none << none << QString() << QStringList{"g1:1"};
        // User 4 given access instead of the current principal, with one step refused; the folder's
        // worker takes its steps from the same base.
        for (const char *step : {"UnShareBulk", "ShareBulk"}) {
            const QStringList rights = QByteArray(step) == "UnShareBulk" ? QStringList{"u2:1"} : QStringList();
            QTest::addRow("document: %s fails", step)
                << true << 1001 << user4 << none << Principals{principal(2, 1)} << none << step << rights;
        }
    }

    void savesAccessList()
    {
        QFETCH(bool, isFile);
        QFETCH(int, id);
        QFETCH(Principals, usersToShare);
        QFETCH(Principals, rolesToShare);
        QFETCH(Principals, usersToUnshare);
        QFETCH(Principals, rolesToUnshare);
        QFETCH(QString, failingStep);
        QFETCH(QStringList, rightsAfter);
        const bool success = failingStep.isEmpty();
        const QString prefix = isFile ? QStringLiteral("/api/v1/Documents/") : QStringLiteral("/api/v1/DocumentDirectory/");
        const int sharedBefore = m_fixture.cachedValue(id, isFile, QStringLiteral("is_shared")).toInt();
        Worker *worker = isFile ? static_cast<Worker *>(new SaveDocumentAccessRightsWorker(
                                      &m_fixture.dao(), id, usersToShare, rolesToShare, usersToUnshare, rolesToUnshare))
                                : new SaveFolderAccessRightsWorker(&m_fixture.dao(), id, usersToShare, rolesToShare,
                                                                   usersToUnshare, rolesToUnshare);
        OperationFixture::Outcome outcome;
        if (success) {
            QPointer<Worker> alive(worker);
            QVERIFY(runWithBusyMarks(worker, {{prefix + QStringLiteral("ShareBulk"), {{id, isFile}}, {}}}, &outcome));
            QTRY_VERIFY(alive.isNull());
        } else {
            QVERIFY(m_fixture.simulator().setFault(prefix + failingStep, PortalRefusal::fault()));
            QVERIFY(OperationFixture::runOnPool(worker, &outcome));
        }
        QCOMPARE(outcome.success, success);
        QCOMPARE(outcome.message, success ? QString() : PortalRefusal::text());
        QCOMPARE(m_fixture.busyCount(), 0);

        // Unsharing first, then sharing, each once; a failed unshare step never sends the share step.
        QStringList requests{"POST " + prefix + "UnShareBulk"};
        if (failingStep != QLatin1String("UnShareBulk"))
            requests << "POST " + prefix + "ShareBulk";
        QCOMPARE(m_fixture.requests(), requests);
        QCOMPARE(m_fixture.portalRights(id, isFile), rightsAfter);
        const bool shared = !usersToShare.isEmpty() || !rolesToShare.isEmpty();
        QCOMPARE(m_fixture.cachedValue(id, isFile, QStringLiteral("is_shared")).toInt(), success ? int(shared) : sharedBefore);
        QVERIFY(m_fixture.notified({success ? "Access granted" : "Error edit access"}, outcome.message));
    }

    void mixedSelection_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("files");
        QTest::addColumn<bool>("folders");
        for (int i = 0; i < mixedCases().size(); ++i)
            QTest::addRow("%s", mixedCases().at(i).name) << i << true << true;
        // One kind alone is handled alike for every operation; deleting also changes the cache.
        QTest::newRow("delete, only files") << 3 << true << false;
        QTest::newRow("delete, only folders") << 3 << false << true;
    }

    // Files first, then folders, each half busy while the portal works on it;
    // a selection of one kind sends no call for the other.
    void mixedSelection()
    {
        QFETCH(int, index);
        QFETCH(bool, files);
        QFETCH(bool, folders);
        const Mixed mixed = mixedCases().at(index);
        Selection selection = mixed.selection();
        QList<Step> steps;
        QStringList requests;
        QStringList done;
        if (files) {
            steps.append({pathOf(mixed.filesRequest()), entries(selection.fileIds, true), entries(selection.folderIds, false)});
            requests << mixed.filesRequest();
            done << mixed.texts.at(0);
        } else {
            selection.fileIds.clear();
            selection.fileNames.clear();
        }
        if (folders) {
            steps.append({pathOf(mixed.foldersRequest()), entries(selection.folderIds, false), entries(selection.fileIds, true)});
            requests << mixed.foldersRequest();
            done << mixed.texts.at(2);
        } else {
            selection.folderIds.clear();
            selection.folderNames.clear();
        }
        Worker *worker = mixed.make(&m_fixture.dao(), selection);
        QPointer<Worker> alive(worker);
        OperationFixture::Outcome outcome;
        QVERIFY(runWithBusyMarks(worker, steps, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, (folders ? selection.folderNames : selection.fileNames).join(QStringLiteral(", ")));
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(operationRequests(), requests);
        QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), folders && mixed.task ? 3 : 0);
        QVERIFY(m_fixture.notified(done));

        // Confirmed changes show in the cache before any reload.
        QCOMPARE(allCached(selection.fileIds, true), !files || !mixed.removesEntries);
        QCOMPARE(allCached(selection.folderIds, false), !folders || !mixed.removesEntries);
        if (files && mixed.verb == QLatin1String("Copy"))
            QCOMPARE(m_fixture.loading().cachedRows("files_and_folders", "WHERE directory_id = 113 AND is_file = 1").size(), 2);
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void mixedFails_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("warning");
        for (int i = 0; i < mixedCases().size(); ++i) {
            for (const char *failure : {"files request", "folders request"})
                QTest::addRow("%s: %s", mixedCases().at(i).name, failure) << i << failure << QString();
        }
        // The server task is followed alike for every operation.
        QTest::newRow("move: status request") << 0 << "status request" << "Error move folders Photos";
        QTest::newRow("move: task") << 0 << "task" << "Error move folders";
    }

    // Failing files leave the folders alone; failing folders keep the files' change.
    void mixedFails()
    {
        QFETCH(int, index);
        QFETCH(QString, failure);
        QFETCH(QString, warning);
        const Mixed mixed = mixedCases().at(index);
        const bool filesFail = failure == QLatin1String("files request");
        QStringList notes{mixed.texts.at(0)};
        QString message = PortalRefusal::text();
        const QJsonObject refusal = PortalRefusal::fault();
        if (filesFail) {
            QVERIFY(m_fixture.simulator().setFault(pathOf(mixed.filesRequest()), refusal));
            notes = QStringList{mixed.texts.at(1)};
        } else if (failure == QLatin1String("folders request")) {
            QVERIFY(m_fixture.simulator().setFault(pathOf(mixed.foldersRequest()), refusal));
            notes << mixed.texts.at(3);
        } else if (failure == QLatin1String("status request")) {
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, refusal));
            notes << warning;
        } else {
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            notes << warning;
            message = QStringLiteral("Server error");
        }
        const QStringList trashBefore = m_fixture.cachedListing(OperationFixture::s_trash);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(mixed.make(&m_fixture.dao(), mixed.selection()), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, message);
        QVERIFY(m_fixture.notified(notes, message));
        QCOMPARE(m_fixture.busyCount(), 0);
        if (filesFail) {
            QCOMPARE(m_fixture.requests(), QStringList{mixed.filesRequest()});
            QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), m_listingBefore);
            QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trashBefore);
            return;
        }
        QCOMPARE(allCached(mixed.selection().fileIds, true), !mixed.removesEntries);
        QVERIFY(allCached(mixed.selection().folderIds, false));
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    // The operations share the handling of the selection.
    void emptySelectionSendsNothing()
    {
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(mixedCases().first().make(&m_fixture.dao(), Selection()), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, QStringLiteral("Nothing is selected"));
        QVERIFY(m_fixture.requests().isEmpty());
        QVERIFY(m_fixture.notifications(0).isEmpty());
    }

    void signInStoresAccountAndEmptiesCache()
    {
        m_fixture.dao().insertUsers({QVariantMap{{"Id", 99}, {"Name", "Previous"}}});
        QVERIFY(cachedRows(QStringLiteral("files_and_folders")) > 0);
        Settings settings;
        settings.setSorting(5, Qt::DescendingOrder);
        settings.saveUserId(99);
        settings.saveUserMiddleName(QStringLiteral("Previous"));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(signIn(&settings), (QList<QVariant>{true, QString()}));

        QCOMPARE(cachedRows(QStringLiteral("files_and_folders")), 0);
        QCOMPARE(cachedRows(QStringLiteral("users")), 0);
        Settings stored;
        QVERIFY(!stored.accessToken().isEmpty() && !stored.refreshToken().isEmpty());
        QCOMPARE((QStringList{stored.login(), QString::number(stored.userId()), stored.userFirstName(), stored.userSurname(),
                              stored.userCompany(), stored.userName(), stored.userMiddleName(), stored.portalAddress()}),
                 (QStringList{SimulatorProcess::s_demoLogin, "1", "Demo", "User", "Vellix", "Demo User", QString(),
                              m_fixture.simulator().baseUrl()}));
        QCOMPARE(stored.sortingParameter(), 2);
        QCOMPARE(stored.sortingDirection(), Qt::AscendingOrder);
        QVERIFY(stored.lastAuthorizationTime() >= before);
    }

    void signInFailureKeepsState_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        // The portal's refusal, and an answer that came through but holds no session.
        QTest::newRow("wrong password") << "wrong" << QJsonObject()
                                        << "Authorization error:\nIncorrect login and/or password. Error 401.";
        const QJsonObject noToken{{"Status", 200}, {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", QJsonObject()}}}}}};
        QTest::newRow("no token") << SimulatorProcess::s_demoPassword << QJsonObject{{"status", 200}, {"body", noToken}}
                                  << "The portal did not return an access token.";
    }

    void signInFailureKeepsState()
    {
        QFETCH(QString, password);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v2/auth/login"), fault));
        Settings settings;
        settings.saveAccessToken(QStringLiteral("previous-token"));
        const QList<QVariant> result = signIn(&settings, password);
        QCOMPARE(result.value(0).toBool(), false);
        QCOMPARE(result.value(1).toString(), message);
        QCOMPARE(Settings().accessToken(), QStringLiteral("previous-token"));
        QVERIFY(cachedRows(QStringLiteral("files_and_folders")) > 0);
    }

    // A refresh with a token the portal never issued keeps both tokens; one with
    // the issued token renews both, not the time of the sign-in, and brings an
    // expired session back.
    void refreshRenewsTheSession()
    {
        Settings settings;
        QCOMPARE(signIn(&settings).value(0).toBool(), true);
        const QString access = settings.accessToken();
        const QString refreshToken = settings.refreshToken();
        const QDateTime signedInAt = settings.lastAuthorizationTime();
        const auto load = [this] {
            LoadFoldersAndFilesWorker worker(&m_fixture.dao());
            QSignalSpy finished(&worker, &Worker::workFinished);
            worker.loadFilesAndFolders(100, DirectoryType::MyDocuments);
            return singleResult(finished).value(0).toBool();
        };
        QVERIFY(m_fixture.simulator().expireTokens());
        QVERIFY(!load());

        settings.saveRefreshToken(QStringLiteral("unknown-refresh"));
        QCOMPARE(refresh(&settings).value(0).toBool(), false);
        QCOMPARE(settings.accessToken(), access);
        QCOMPARE(settings.refreshToken(), QStringLiteral("unknown-refresh"));

        settings.saveRefreshToken(refreshToken);
        QCOMPARE(refresh(&settings).value(0).toBool(), true);
        QVERIFY(!settings.accessToken().isEmpty() && settings.accessToken() != access);
        QVERIFY(settings.refreshToken() != refreshToken);
        QCOMPARE(settings.lastAuthorizationTime(), signedInAt);
        QVERIFY(load());
    }

    // A refusal other than a taken address passes its reason unchanged (see the registration page's controller).
    void registrationRefused()
    {
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v2/auth/register"),
                                               {{"status", 500}, {"body", "{\"ErrorMessage\":\"Registration is closed\"}"}}));
        UserRegisterWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.registerUser({"other@vellix.local", QStringLiteral("pw"), QStringLiteral("New"), QStringLiteral("User")});
        QCOMPARE(singleResult(finished), (QList<QVariant>{false, "Registration is closed. Error 500."}));
    }

    void passwordRecovery_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("summary");
        const QString failed = QStringLiteral("Error send forgot request to portal");
        QTest::newRow("known user") << SimulatorProcess::s_demoLogin << true << QString() << "Request done" << QString();
        QTest::newRow("unknown user") << "nobody@vellix.local" << false << "User not found" << "user not found" << failed;
        QTest::newRow("empty login") << QString() << false << "Login is empty" << "empty login" << failed;
        QTest::newRow("connection dropped, no reason")
            << "drop" << false << "The portal closed the connection." << failed << QString();
    }

    void passwordRecovery()
    {
        QFETCH(QString, login);
        QFETCH(bool, success);
        QFETCH(QString, message);
        QFETCH(QString, body);
        QFETCH(QString, summary);
        if (login == QLatin1String("drop"))
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v2/auth/Forgot"), {{"mode", "drop"}}));
        ForgotPasswordWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.sendForgot(login == QLatin1String("drop") ? SimulatorProcess::s_demoLogin : login);
        QCOMPARE(singleResult(finished), (QList<QVariant>{success, message}));
        const QList<ReceivedNotification> received = m_fixture.notifications(1);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().body, body);
        QCOMPARE(received.first().summary, summary);
    }

    void serverSettingsStoreTheEditorAddress_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("stored") << QJsonObject();
        QTest::newRow("refused, the old address stays") << QJsonObject{{"status", 502}};
    }

    void serverSettingsStoreTheEditorAddress()
    {
        QFETCH(QJsonObject, fault);
        Settings settings;
        settings.saveAccessToken(m_fixture.simulator().validAccessToken());
        settings.saveDocumentServerAddress(QStringLiteral("https://docs.example"));
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Settings"), fault));
        auto *worker = new GetServerSettingsWorker(&settings);
        QPointer<GetServerSettingsWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QSignalSpy stored(&settings, &Settings::documentServerAddressChanged);
        // The address is stored after the end was reported, not before.
        bool storedBeforeFinish = true;
        connect(worker, &Worker::workFinished, this, [&] { storedBeforeFinish = stored.count() > 0; });
        QThreadPool::globalInstance()->start(worker);
        const QList<QVariant> result = singleResult(finished);
        QCOMPARE(result.value(0).toBool(), fault.isEmpty());
        QCOMPARE(result.value(1).toString().endsWith(QStringLiteral("Error 502.")), !fault.isEmpty());
        QCOMPARE(stored.count(), fault.isEmpty() ? 1 : 0);
        QCOMPARE(storedBeforeFinish, false);
        if (fault.isEmpty())
            QVERIFY(settings.documentServerAddress().startsWith(QStringLiteral("http://")));
        else
            QCOMPARE(settings.documentServerAddress(), QStringLiteral("https://docs.example"));
        QTRY_VERIFY(alive.isNull());
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
        QCOMPARE(OperationFixture::cacheEntries(), QStringList());
        if (!fault.isEmpty()) {
            QCOMPARE(OperationFixture::entries(m_fixture.targetFolder()), (QStringList{"plain", name}));
            const QString warning = unusable ? "Error download document " : "Error download file ";
            QVERIFY(m_fixture.notified({"Start download file " + name, warning + name}, outcome.message));
            return;
        }
        QCOMPARE(TestEnvironment::readFile(m_fixture.targetFolder() + QStringLiteral("/report.v1.2_copy_1.docx")),
                 m_fixture.storedBytes(m_fixture.portalDocument(s_welcome).value(QStringLiteral("FileId")).toInt()));
        QCOMPARE(OperationFixture::entries(m_fixture.targetFolder()).size(), 3);
        QCOMPARE(m_fixture.requests(), QStringList{QStringLiteral("GET %1?id=1001&download=false&offline=false").arg(s_download)});
        QVERIFY(m_fixture.notified({"Start download file " + name, "Download file " + name + " success"}));
    }

    void upload_data()
    {
        transferRows(QStringLiteral("error open file"));
        QTest::newRow("connection dropped") << QJsonObject{{"mode", "drop"}} << "Connection closed";
    }

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
        QTest::addColumn<int>("index");
        for (int i = 0; i < taskCases().size(); ++i)
            QTest::addRow("%s", taskCases().at(i).name) << i;
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
            QCOMPARE(OperationFixture::entries(folder).size(), 3);
            QCOMPARE(OperationFixture::cacheEntries(), QStringList());
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
        QCOMPARE(OperationFixture::entries(m_fixture.targetFolder()), QStringList{QStringLiteral("plain")});
        QCOMPARE(OperationFixture::cacheEntries(), QStringList());
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
        QCOMPARE(OperationFixture::entries(folder.path()), QStringList());
        QVERIFY(QFile::exists(tmp));
    }
};

VELLIX_TEST_MAIN(TestOperationWorkers, QCoreApplication)
#include "tst_operationworkers.moc"
