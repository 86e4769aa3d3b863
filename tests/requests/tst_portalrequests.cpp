#include "everythingtranslated.h"
#include "logcapture.h"
#include "portalfaults.h"
#include "portalsuite.h"
#include "editor/editrightsrequestv2.h"
#include "editor/getdocumentlinkrequest.h"
#include "requests/addfavoriterequest.h"
#include "requests/archivedirectoryrequest.h"
#include "requests/checkconflictrequest.h"
#include "requests/clearfavoritesrequest.h"
#include "requests/clearfolderrequest.h"
#include "requests/convertdocumenttopdfrequest.h"
#include "requests/copyfilerequest.h"
#include "requests/copyfolderflags.h"
#include "requests/copyfolderrequest.h"
#include "requests/createdocumentrequest.h"
#include "requests/createfolderrequest.h"
#include "requests/deletefavoriterequest.h"
#include "requests/deletefolderrequest.h"
#include "requests/downloaddocumentrequest.h"
#include "requests/getcustomerrolesrequest.h"
#include "requests/getdocumentinforequest.h"
#include "requests/getdocumentsrequest.h"
#include "requests/getentityshareinforequest.h"
#include "requests/getfolderlinkrequest.h"
#include "requests/getfoldersrequest.h"
#include "requests/getusersinforequest.h"
#include "requests/movefilerequest.h"
#include "requests/movefolderrequest.h"
#include "requests/movetotrashfilerequest.h"
#include "requests/renamefilerequest.h"
#include "requests/renamefolderrequest.h"
#include "requests/replytimeout.h"
#include "requests/restorefilerequest.h"
#include "requests/restorefolderrequest.h"
#include "requests/searchfoldersandfilesrequest.h"
#include "requests/searchusersrequest.h"
#include "requests/servertask.h"
#include "requests/sharedocumentbulkrequest.h"
#include "requests/sharefilerequest.h"
#include "requests/sharefolderbulkrequest.h"
#include "requests/sharefolderrequest.h"
#include "requests/unsharedocumentbulkrequest.h"
#include "requests/unsharefilerequest.h"
#include "requests/unsharefolderbulkrequest.h"
#include "requests/unsharefolderrequest.h"
#include "requests/uploaddocumentrequest.h"
#include "requests/usertaskdownloadrequest.h"
#include "requests/usertaskstatusrequest.h"
#include "filesizelimit.h"
#include "testenvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// A request of the case, given the id of a server task made for it (0 when none).
using RequestFactory = std::function<RequestInterface *(int taskId)>;

enum class TaskNeed { None, Started, Complete };

// How a case words a failed exchange.
enum class Wording {
    Handler,   // the reply handler's message
    ReplyText, // the reply's own error text; the body is not read
    Task,      // a server task's start or status: any text, its own for an unreadable reply
    File,      // a transfer: any text; a body that is not JSON is just the file
};

// One portal call: what the portal must receive and what the result map holds.
struct RequestCase
{
    const char *name;
    RequestFactory make;
    QString method;
    QString path;
    QJsonObject query; // "$task" stands for the task's id
    QByteArray body;   // compact JSON; empty: no body (an upload's is checked on its own)
    QString successKeys; // "key:type ..." of the success map; empty: no success case
    QStringList failureKeys;
    Wording wording = Wording::Handler;
    TaskNeed task = TaskNeed::None;
};

const QString s_v1 = QStringLiteral("/api/v1/");
const QStringList s_errorOnly{"error"};
const QStringList s_successAndError{"error", "success"};
const QString s_bulkKeys = QStringLiteral("success:bool users:QVariantList");
constexpr int s_largeFileSize = 8 * 1024 * 1024;

UserOrRoleEntity principal(int id, qint16 access)
{
    UserOrRoleEntity entity;
    entity.id = id;
    entity.access = access;
    return entity;
}

// The list a principal is in decides where it goes, not its isGroup.
QList<UserOrRoleEntity> bulkUsers()
{
    UserOrRoleEntity marked = principal(2, DocumentLink::Read);
    marked.isGroup = true;
    return {marked, principal(3, DocumentLink::Write)};
}

QList<UserOrRoleEntity> bulkRoles()
{
    return {principal(1, DocumentLink::Read)};
}

QByteArray json(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QByteArray singleBody(const char *access, int userId, int entityId)
{
    return json(QJsonObject{{"AccessType", access},
                               {"ToUserIds", QJsonArray{QString::number(userId)}},
                               {"Ids", QJsonArray{QString::number(entityId)}}});
}

QByteArray bulkBody(int entityId)
{
    return json(QJsonArray{
        QJsonObject{{"AccessType", "Read"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{2}},
                    {"ToRoleIds", QJsonArray{1}}},
        QJsonObject{{"AccessType", "Write"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{3}}},
    });
}

QStringList namesOf(const QVariantList &entities)
{
    QStringList names;
    for (const QVariant &entity : entities) {
        const QVariantMap map = entity.toMap();
        names << map.value(QStringLiteral("Name")).toString();
        names << namesOf(map.value(QStringLiteral("Children")).toList());
    }
    return names;
}

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

// What downloads left in the cache location, partial files included.
QStringList cachedDownloads()
{
    return QDir(cacheFolder()).entryList(QDir::Files | QDir::Hidden);
}

// The size of the file this process has open under the folder, named or not
// (a temporary file may have no name until it is kept); 0 when there is none.
qint64 openFileSizeUnder(const QString &folder)
{
    const QString fdFolder = QStringLiteral("/proc/self/fd");
    for (const QString &fd : QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = fdFolder + QLatin1Char('/') + fd;
        struct stat status {};
        if (QFile::symLinkTarget(path).startsWith(folder) && ::stat(QFile::encodeName(path).constData(), &status) == 0
            && S_ISREG(status.st_mode))
            return status.st_size;
    }
    return 0;
}

QByteArray sha1Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

// Bytes that differ at every position of a block, so that a shifted or
// repeated block shows.
bool writePattern(const QString &path, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(64 * 1024, Qt::Uninitialized);
    for (int written = 0; written < size; written += block.size()) {
        for (int i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((written + i) * 31 / 7);
        if (file.write(block.left(size - written)) < 0)
            return false;
    }
    return file.flush();
}



QList<RequestCase> requestCases(const QString &localFolder)
{
    using Flags = CopyFolderFlags::Flags;
    const QString upload = localFolder + QStringLiteral("/Upload me.txt");
    return {
        {"folders of a folder", [](int) { return new GetFoldersRequest(100); }, "GET", s_v1 + "DocumentDirectory/Get", {{"id", "100"}}, {},
         "error:QString folders:QVariantList success:bool", s_errorOnly},
        {"folders of the top level", [](int) { return new GetFoldersRequest(0); }, "GET", s_v1 + "DocumentDirectory/Get", {}, {},
         "error:QString folders:QVariantList success:bool", s_errorOnly},
        {"documents of a folder", [](int) { return new GetDocumentsRequest(100); }, "POST", s_v1 + "DocumentDirectory/GetDocuments", {}, json(QJsonObject{{"Ids", QJsonArray{100}}}),
         "documents:QVariantList error:QString success:bool", s_errorOnly},
        {"search everywhere", [](int) { return new SearchFoldersAndFilesRequest(QStringLiteral("report"), 0); }, "GET", s_v1 + "DocumentDirectory/Search", {{"text", "report"}}, {},
         "directories:QVariantList documents:QVariantList success:bool", s_successAndError},
        {"search in a folder", [](int) { return new SearchFoldersAndFilesRequest(QStringLiteral("report"), 12); }, "GET", s_v1 + "DocumentDirectory/Search", {{"text", "report"}, {"id", "12"}}, {},
         "directories:QVariantList documents:QVariantList success:bool", s_successAndError},
        {"document info", [](int) { return new GetDocumentInfoRequest(1001); }, "GET", s_v1 + "Documents", {{"Id", "1001"}}, {},
         "error:QString info:QVariantMap success:bool", s_successAndError},
        {"users", [](int) { return new GetUsersInfoRequest({1, QStringLiteral("2")}); }, "POST", s_v1 + "User/get", {}, json(QJsonObject{{"Ids", QJsonArray{1, 2}}}),
         "error:QString success:bool users:QVariantList", s_errorOnly},
        {"create document", [](int) { return new CreateDocumentRequest(QStringLiteral("Plan.docx"), 100); }, "POST", s_v1 + "Documents/Create", {}, json(QJsonObject{{"DirectoryId", 100}, {"Name", "Plan.docx"}}),
         "error:QString fileId:qlonglong fileName:QString ownerId:qlonglong success:bool", s_successAndError},
        {"create folder", [](int) { return new CreateFolderRequest(QStringLiteral("Plans"), 100, false); }, "POST", s_v1 + "DocumentDirectory/AddSubDirectory", {}, json(QJsonObject{{"Name", "Plans"}, {"Description", ""}, {"Order", 100}, {"Type", "Default"}, {"IconId", ""}, {"RoleIds", ""}, {"UserIds", ""}, {"ParentId", 100}}),
         "error:QString folderId:qlonglong folderName:QString success:bool", s_successAndError},
        {"create public folder", [](int) { return new CreateFolderRequest(QStringLiteral("Open"), 100, true); }, "POST", s_v1 + "DocumentDirectory/AddSubDirectory", {}, json(QJsonObject{{"Name", "Open"}, {"Description", ""}, {"Order", 100}, {"Type", "Public"}, {"IconId", ""}, {"RoleIds", ""}, {"UserIds", ""}, {"ParentId", 100}}),
         "error:QString folderId:qlonglong folderName:QString success:bool", s_successAndError},
        {"rename file", [](int) { return new RenameFileRequest(1005, QStringLiteral("Memo.txt")); }, "GET", s_v1 + "Documents/Rename", {{"id", "1005"}, {"name", "Memo.txt"}}, {},
         "error:QString newFileName:QString success:bool", s_successAndError},
        {"rename folder", [](int) { return new RenameFolderRequest(114, QStringLiteral("Pictures")); }, "GET", s_v1 + "DocumentDirectory/Rename", {{"id", "114"}, {"name", "Pictures"}}, {},
         "error:QString folderId:int newFolderName:QString success:bool", {"error", "folderId", "success"}},
        {"move files", [](int) { return new MoveFileRequest({1005, 1004}, 110); }, "POST", s_v1 + "Documents/Move", {}, json(QJsonObject{{"Ids", QJsonArray{1005, 1004}}, {"ToDirectoryId", 110}}),
         "success:bool", s_errorOnly},
        {"copy files", [](int) { return new CopyFileRequest({1002}, 110); }, "POST", s_v1 + "Documents/Copy", {}, json(QJsonObject{{"Ids", QJsonArray{1002}}, {"ToDirectoryId", 110}}),
         "copiedFiles:QVariantList error:QString success:bool", s_successAndError},
        {"move folders", [](int) { return new MoveFolderRequest({114}, 110, CopyFolderFlags::Skip); }, "POST", s_v1 + "DocumentDirectory/Move", {}, json(QJsonObject{{"Ids", QJsonArray{114}}, {"ToDirectoryId", 110}, {"Rule", "Skip"}}),
         "folderIds:QVariantList success:bool taskId:qlonglong", s_successAndError},
        {"copy folders", [](int) { return new CopyFolderRequest({113, 114}, 110, CopyFolderFlags::Copy); }, "POST", s_v1 + "DocumentDirectory/Copy", {}, json(QJsonObject{{"Ids", QJsonArray{113, 114}}, {"ToDirectoryId", 110}, {"Rule", "Copy"}}),
         "folderIds:QVariantList success:bool taskId:int", s_successAndError},
        {"copy folders, rule out of range", [](int) { return new CopyFolderRequest({113}, 110, static_cast<Flags>(7)); }, "POST", s_v1 + "DocumentDirectory/Copy", {}, json(QJsonObject{{"Ids", QJsonArray{113}}, {"ToDirectoryId", 110}, {"Rule", ""}}),
         QString(), s_successAndError},
        {"restore folders", [](int) { return new RestoreFolderRequest({120}, 100, CopyFolderFlags::Overwrite); }, "POST", s_v1 + "DocumentDirectory/Restore", {}, json(QJsonObject{{"Ids", QJsonArray{120}}, {"ToDirectoryId", 100}, {"Rule", "Overwrite"}}),
         "folderIds:QVariantList success:bool", {"error", "folderIds"}},
        {"restore files", [](int) { return new RestoreFileRequest({1051}, 100); }, "POST", s_v1 + "Documents/Restore", {}, json(QJsonObject{{"Ids", QJsonArray{1051}}, {"ToDirectoryId", 100}}),
         "fileIds:QVariantList success:bool", {"error", "fileIds"}},
        {"delete folders", [](int) { return new DeleteFolderRequest({114, 113}); }, "POST", s_v1 + "DocumentDirectory/Delete", {}, json(QJsonObject{{"Ids", QJsonArray{114, 113}}}),
         "error:QString success:bool taskId:int", s_successAndError},
        {"files to trash", [](int) { return new MoveToTrashFileRequest({1005}); }, "POST", s_v1 + "Documents/Delete", {}, json(QJsonObject{{"Ids", QJsonArray{1005}}}),
         "fileIds:QVariantList success:bool", {"error", "fileIds"}},
        {"clear folder", [](int) { return new ClearFolderRequest(105); }, "GET", s_v1 + "DocumentDirectory/Clear", {{"id", "105"}}, {},
         "folderId:int success:bool taskId:int", s_successAndError},
        {"add favorite", [](int) { return new AddFavoriteRequest(1004); }, "POST", s_v1 + "Favorites/Add", {}, json(QJsonObject{{"EntityIds", QJsonArray{1004}}, {"Type", "Document"}}),
         "error:QString success:bool", s_errorOnly},
        {"delete favorites", [](int) { return new DeleteFavoriteRequest({1002, 1003}); }, "POST", s_v1 + "Favorites/Delete", {}, json(QJsonObject{{"EntityIds", QJsonArray{1002, 1003}}, {"Type", "Document"}}),
         "error:QString success:bool", s_errorOnly},
        {"clear favorites", [](int) { return new ClearFavoritesRequest(); }, "DELETE", s_v1 + "Favorites/Delete", {{"type", "Document"}}, {},
         "error:QString success:bool", s_errorOnly},
        {"check conflict", [](int) { return new CheckConflictRequest(110, {113}); }, "POST", s_v1 + "DocumentDirectory/Conflict", {}, json(QJsonObject{{"ToDirectoryId", 110}, {"Ids", QJsonArray{113}}}),
         "conflict:bool folderIds:QVariantList success:bool", s_successAndError},
        {"share file", [](int) { return new ShareFileRequest(1002, 2, FileAccessType::Read); }, "POST", s_v1 + "Documents/Share", {}, singleBody("Read", 2, 1002),
         "fileId:int success:bool", {"error", "fileId"}, Wording::Handler},
        {"unshare file", [](int) { return new UnShareFileRequest(1001, 2, FileAccessType::Write); }, "POST", s_v1 + "Documents/UnShare", {}, singleBody("Write", 2, 1001),
         "fileId:int success:bool", {"error", "fileId"}, Wording::Handler},
        {"share folder", [](int) { return new ShareFolderRequest(114, 3, FileAccessType::Write); }, "POST", s_v1 + "DocumentDirectory/Share", {}, singleBody("Write", 3, 114),
         "folderId:int success:bool", {"error", "folderId"}, Wording::ReplyText},
        {"unshare folder", [](int) { return new UnShareFolderRequest(113, 2, FileAccessType::Read); }, "POST", s_v1 + "DocumentDirectory/UnShare", {}, singleBody("Read", 2, 113),
         "folderId:int success:bool", {"error", "folderId"}, Wording::ReplyText},
        {"share document in bulk", [](int) { return new ShareDocumentBulkRequest(1002, bulkUsers(), bulkRoles()); }, "POST", s_v1 + "Documents/ShareBulk", {}, bulkBody(1002),
         s_bulkKeys, s_successAndError, Wording::Handler},
        {"unshare document in bulk", [](int) { return new UnShareDocumentBulkRequest(1001, bulkUsers(), bulkRoles()); }, "POST", s_v1 + "Documents/UnShareBulk", {}, bulkBody(1001),
         s_bulkKeys, s_successAndError, Wording::Handler},
        {"share folder in bulk", [](int) { return new ShareFolderBulkRequest(114, bulkUsers(), bulkRoles()); }, "POST", s_v1 + "DocumentDirectory/ShareBulk", {}, bulkBody(114),
         s_bulkKeys, s_successAndError, Wording::Handler},
        {"unshare folder in bulk", [](int) { return new UnShareFolderBulkRequest(113, bulkUsers(), bulkRoles()); }, "POST", s_v1 + "DocumentDirectory/UnShareBulk", {}, bulkBody(113),
         s_bulkKeys, s_successAndError, Wording::Handler},
        {"share info", [](int) { return new GetEntityShareInfoRequest(1001, EntityTypes::Document); }, "GET", s_v1 + "Share", {{"entityId", "1001"}, {"entityType", "Document"}}, {},
         "links:QVariantList roles:QVariantList success:bool users:QVariantList", s_successAndError, Wording::Handler},
        {"folder link", [](int) { return new GetFolderLinkRequest(114, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory); }, "GET", s_v1 + "Link/Generate", {{"Id", "114"}, {"lifetime", "10"}, {"accessType", "1"}, {"type", "3"}}, {},
         "link:QString success:bool uid:QString uri:QString", s_successAndError, Wording::Handler},
        {"customer roles", [](int) { return new GetCustomerRolesRequest(); }, "GET", s_v1 + "Role", {}, {},
         "roles:QVariantList success:bool", {"error"}, Wording::Handler},
        {"search users", [](int) { return new SearchUsersRequest(QStringLiteral("anna")); }, "POST", s_v1 + "User/Search", {}, json(QJsonObject{{"Query", "anna"}}),
         "success:bool users:QVariantList", s_successAndError, Wording::Handler},
        {"edit rights by id", [](int) { return new EditRightsRequestV2(1001, QStringLiteral("ignored")); }, "GET", s_v1 + "Documents/EditRights", {{"Id", "1001"}, {"editorType", "mobile"}}, {},
         "json:QJsonDocument success:bool", s_successAndError, Wording::Handler},
        {"edit rights by link", [](int) { return new EditRightsRequestV2(0, QStringLiteral("link-welcome")); }, "GET", s_v1 + "Documents/EditRights", {{"Uid", "link-welcome"}, {"editorType", "mobile"}}, {},
         "json:QJsonDocument success:bool", s_successAndError, Wording::Handler},
        {"document link", [](int) { return new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal, static_cast<DocumentLink::AccessType>(4), EntityTypes::Document); }, "GET", s_v1 + "Link/Generate", {{"Id", "1001"}, {"type", "2"}, {"lifetime", "10"}, {"accessType", "4"}}, {},
         "error:QString jwt:QString link:QString success:bool uid:QString uri:QString userId:QString version:int", s_successAndError, Wording::Handler},
        {"download document", [](int) { return new DownloadDocumentRequest(1005, true, false); }, "GET", s_v1 + "Documents/Download", {{"id", "1005"}, {"download", "true"}, {"offline", "false"}}, {},
         "error:QString success:bool tmpDocumentPath:QString", s_successAndError, Wording::File, TaskNeed::None},
        {"download offline copy", [](int) { return new DownloadDocumentRequest(1004, false, true); }, "GET", s_v1 + "Documents/Download", {{"id", "1004"}, {"download", "false"}, {"offline", "true"}}, {},
         "error:QString success:bool tmpDocumentPath:QString", s_successAndError, Wording::File, TaskNeed::None},
        {"convert to pdf", [](int) { return new ConvertDocumentToPdfRequest(1001); }, "GET", s_v1 + "Documents/Convert", {{"id", "1001"}}, {},
         "documentId:int success:bool taskId:int", {"error"}, Wording::Task, TaskNeed::None},
        {"archive folder", [](int) { return new ArchiveDirectoryRequest(110); }, "GET", s_v1 + "DocumentDirectory/Archive", {{"Id", "110"}}, {},
         "documentId:int success:bool taskId:int", {"error"}, Wording::Task, TaskNeed::None},
        {"task status", [](int taskId) { return new UserTaskStatusRequest(taskId); }, "GET", s_v1 + "UserTask", {{"Id", "$task"}}, {},
         "percent:double status:int success:bool taskId:int", {"error", "success", "taskId"}, Wording::Task, TaskNeed::Started},
        {"task download", [localFolder](int taskId) { return new UserTaskDownloadRequest(taskId, localFolder); }, "GET", s_v1 + "UserTask/Download", {{"Id", "$task"}}, {},
         "error:QString success:bool taskDownloadPath:QString", s_successAndError, Wording::File, TaskNeed::Complete},
        {"upload", [upload](int) { return new UploadDocumentRequest(upload, 100); }, "POST", s_v1 + "Documents/Upload", {}, {},
         "documentName:QString success:bool", {"documentName", "error"}, Wording::File, TaskNeed::None},
    };
}

} // namespace

Q_DECLARE_METATYPE(RequestFactory)

// The listing, operation, transfer, sharing and editor requests against the simulator.
class TestPortalRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wireForm_data();
    void wireForm();
    void successResults_data();
    void successResults();
    void failureResults_data();
    void failureResults();
    void secretsStayOutOfTheLog_data();
    void secretsStayOutOfTheLog();

    void taskStatusSequences_data();
    void taskStatusSequences();
    void largeFileRoundTrip();
    void downloadsGetTheirOwnFiles();
    void unwritableDownloadLeavesNothing_data();
    void unwritableDownloadLeavesNothing();
    void taskDownloadReplacesLeftover();
    void uploadHeaders();
    void uploadNameCannotBreakThePartHeader_data();
    void uploadNameCannotBreakThePartHeader();
    void uploadOfUnreadableFile();
    void uploadFailureIsReportedOnce();
    void namesSurviveRenameAndSearch_data();
    void namesSurviveRenameAndSearch();
    void oddAnswers_data();
    void oddAnswers();
    void folderIdsAndTaskIdsReachTheResult();
    void bulkWithoutPrincipalsStillSends();
    void linkFieldsReachTheResult();
    void editRightsCarryTheWholeReply();

private:
    QVariantMap run(RequestInterface *request) { return m_suite.run(request); }
    RequestCase caseAt(int index) const { return requestCases(m_local.path()).at(index); }
    // A server task as the case needs it; 0 when it needs none.
    int taskFor(TaskNeed need);
    int startArchiveTask();
    int completeTask(int taskId);
    QString uploadLocalFile(const QString &name, int size, QVariantMap *result);
    int documentIdNamed(const QString &name);
    QStringList localTaskDownloads() const;

    PortalSuite m_suite;
    SimulatorProcess &m_simulator = m_suite.simulator();
    QTemporaryDir m_local;
};

void TestPortalRequests::initTestCase()
{
    QVERIFY(m_local.isValid());
    QVERIFY(m_suite.start());
    QFile upload(m_local.filePath(QStringLiteral("Upload me.txt")));
    QVERIFY(upload.open(QIODevice::WriteOnly));
    upload.write("plain text to upload\n");
}

void TestPortalRequests::init()
{
    QVERIFY(m_suite.prepare());
}

void TestPortalRequests::cleanup()
{
    QVERIFY(m_suite.tidyUp());
    for (const QString &name : cachedDownloads())
        QFile::remove(cacheFolder() + QLatin1Char('/') + name);
    for (const QString &name : localTaskDownloads())
        QFile::remove(m_local.filePath(name));
}

int TestPortalRequests::taskFor(TaskNeed need)
{
    if (need == TaskNeed::None)
        return 0;
    const int taskId = startArchiveTask();
    if (need == TaskNeed::Complete && completeTask(taskId) != ServerTask::Complete)
        return -1;
    return taskId;
}

int TestPortalRequests::startArchiveTask()
{
    return run(new ArchiveDirectoryRequest(110)).value(QStringLiteral("taskId")).toInt();
}

int TestPortalRequests::completeTask(int taskId)
{
    // The simulator finishes a task after a few polls.
    for (int poll = 0; poll < 10; ++poll) {
        const int status = run(new UserTaskStatusRequest(taskId)).value(QStringLiteral("status")).toInt();
        if (status == ServerTask::Complete || status == ServerTask::Failed)
            return status;
    }
    return 0;
}

QString TestPortalRequests::uploadLocalFile(const QString &name, int size, QVariantMap *result)
{
    const QString path = m_local.filePath(name);
    if (!writePattern(path, size))
        return QString();
    *result = run(new UploadDocumentRequest(path, 100));
    return path;
}

int TestPortalRequests::documentIdNamed(const QString &name)
{
    for (const QJsonValue &document : m_simulator.state().value(QStringLiteral("documents")).toArray()) {
        if (document.toObject().value(QStringLiteral("Name")).toString() == name)
            return document.toObject().value(QStringLiteral("Id")).toInt();
    }
    return 0;
}

QStringList TestPortalRequests::localTaskDownloads() const
{
    return QDir(m_local.path()).entryList({QStringLiteral("*vellixdownload*")}, QDir::Files | QDir::Hidden);
}

void TestPortalRequests::wireForm_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("translated");
    const QList<RequestCase> cases = requestCases(QString());
    for (int i = 0; i < cases.size(); ++i) {
        QTest::addRow("%s", cases[i].name) << i << false;
        // The words of queries and bodies are the portal's, whatever the language.
        if (cases[i].wording == Wording::Handler || cases[i].wording == Wording::ReplyText)
            QTest::addRow("%s, translated build", cases[i].name) << i << true;
    }
}

void TestPortalRequests::wireForm()
{
    QFETCH(int, index);
    QFETCH(bool, translated);
    const RequestCase expected = caseAt(index);
    const int taskId = taskFor(expected.task);
    QVERIFY(taskId >= 0);
    QVERIFY(m_simulator.clearRequests());
    EverythingTranslated translator;
    if (translated)
        QCoreApplication::installTranslator(&translator);
    run(expected.make(taskId));
    QCoreApplication::removeTranslator(&translator);

    QJsonObject query = expected.query;
    for (auto it = query.begin(); it != query.end(); ++it) {
        if (it.value() == QLatin1String("$task"))
            it.value() = QString::number(taskId);
    }
    const QString mismatch = m_suite.recordedMismatch(expected.method, expected.path, query);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    const QJsonObject recorded = m_simulator.requests().first().toObject();
    if (expected.wording != Wording::File || expected.method == QLatin1String("GET"))
        QCOMPARE(recorded.value(QStringLiteral("body")).toString().toUtf8(), expected.body);
    if (expected.wording == Wording::Handler || expected.wording == Wording::ReplyText)
        QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("content-type")).toString(),
                 QStringLiteral("application/json"));
}

void TestPortalRequests::successResults_data()
{
    QTest::addColumn<int>("index");
    const QList<RequestCase> cases = requestCases(QString());
    for (int i = 0; i < cases.size(); ++i) {
        if (!cases[i].successKeys.isEmpty())
            QTest::addRow("%s", cases[i].name) << i;
    }
}

void TestPortalRequests::successResults()
{
    QFETCH(int, index);
    const RequestCase expected = caseAt(index);
    const int taskId = taskFor(expected.task);
    QVERIFY(taskId >= 0);

    const QVariantMap result = run(expected.make(taskId));
    const QString mismatch = PortalSuite::keysAndTypesMismatch(result, expected.successKeys);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    for (auto it = result.cbegin(); it != result.cend(); ++it) {
        if (it.key() == QLatin1String("error")) {
            QCOMPARE(it.value(), QVariant(QString()));
        } else if (it.value().type() == QVariant::String) {
            QVERIFY2(!it.value().toString().isEmpty(), qPrintable(it.key()));
            if (it.key().endsWith(QLatin1String("Path")))
                QVERIFY2(QFileInfo(it.value().toString()).size() > 0, qPrintable(it.value().toString()));
        }
        // Every listed entity arrives as a map of the portal's keys, or as an id.
        for (const QVariant &element : it.value().toList())
            QVERIFY(element.type() == QVariant::Int || !element.toMap().isEmpty());
    }
}

void TestPortalRequests::failureResults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("handlerError");

    QList<PortalFaults::FaultClass> classes = PortalFaults::jsonFailures();
    classes << PortalFaults::FaultClass{"truncated reply", {{"mode", "truncated"}}, "The portal closed the connection."}
            << PortalFaults::FaultClass{"hang", {{"mode", "hang"}}, "The connection to the portal timed out."};
    const QList<RequestCase> cases = requestCases(QString());
    for (int i = 0; i < cases.size(); ++i) {
        // A call the portal refuses anyway has its failure in the wire table.
        if (cases[i].successKeys.isEmpty())
            continue;
        for (const PortalFaults::FaultClass &failure : qAsConst(classes)) {
            const bool malformed = failure.fault.value(QStringLiteral("mode")) == QLatin1String("malformed");
            if (malformed && (cases[i].wording == Wording::ReplyText || cases[i].wording == Wording::File))
                continue;
            QTest::addRow("%s, %s", cases[i].name, failure.name) << i << failure.fault << failure.error;
        }
    }
}

void TestPortalRequests::failureResults()
{
    QFETCH(int, index);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, handlerError);
    const RequestCase expected = caseAt(index);
    const int taskId = taskFor(expected.task);
    QVERIFY(taskId >= 0);
    QVERIFY(PortalFaults::provoke(m_simulator, fault, expected.method, expected.path));
    const QString mode = fault.value(QStringLiteral("mode")).toString();
    if (mode == QLatin1String("hang"))
        ReplyTimeout::setInactivityTimeout(250);

    const QVariantMap result = run(expected.make(taskId));
    QCOMPARE(QStringList(result.keys()), expected.failureKeys);
    QVERIFY(!result.value(QStringLiteral("success")).toBool());
    const QString error = result.value(QStringLiteral("error")).toString();
    if (expected.wording == Wording::Handler || mode == QLatin1String("hang") || mode == QLatin1String("malformed")) {
        QCOMPARE(error, handlerError);
    } else {
        // Qt's words, which carry neither the portal's message nor a status suffix.
        QVERIFY(!error.isEmpty());
        if (expected.wording == Wording::ReplyText)
            QVERIFY2(error != handlerError, qPrintable(error));
    }
    for (const char *idKey : {"fileId", "folderId"}) {
        if (expected.failureKeys.contains(QString::fromLatin1(idKey)))
            QVERIFY(result.value(QString::fromLatin1(idKey)).toInt() > 0);
    }
    if (result.contains(QStringLiteral("taskId")))
        QCOMPARE(result.value(QStringLiteral("taskId")), QVariant(taskId));
    // A failed transfer leaves no file, whole or partial.
    QCOMPARE(cachedDownloads(), QStringList());
    QCOMPARE(localTaskDownloads(), QStringList());
}

void TestPortalRequests::secretsStayOutOfTheLog_data()
{
    QTest::addColumn<int>("index");
    const QList<RequestCase> cases = requestCases(QString());
    for (int i = 0; i < cases.size(); ++i)
        QTest::addRow("%s", cases[i].name) << i;
}

// The portal's own answer, then the same call answered with secrets in every place.
void TestPortalRequests::secretsStayOutOfTheLog()
{
    QFETCH(int, index);
    const RequestCase expected = caseAt(index);
    LogCapture log;
    const int taskId = taskFor(expected.task);
    QVERIFY(taskId >= 0);
    run(expected.make(taskId));
    for (const QJsonValue &body : PortalFaults::secretAnswers()) {
        QVERIFY(m_simulator.setFault(expected.path, {{"method", expected.method}, {"status", 200}, {"body", body}, {"count", 1}}));
        run(expected.make(taskId));
    }
    const QStringList secrets{PortalFaults::plantedSecret(), QStringLiteral("jwt-"), m_suite.settings().accessToken()};
    for (const QString &line : log.lines()) {
        for (const QString &secret : secrets)
            QVERIFY2(!line.contains(secret), qPrintable(line));
    }
}

void TestPortalRequests::taskStatusSequences_data()
{
    QTest::addColumn<int>("failNext");
    QTest::addColumn<int>("finalStatus");
    QTest::newRow("completes") << 0 << int(ServerTask::Complete);
    QTest::newRow("fails") << 1 << int(ServerTask::Failed);
}

void TestPortalRequests::taskStatusSequences()
{
    QFETCH(int, failNext);
    QFETCH(int, finalStatus);
    QVERIFY(m_simulator.setTaskSteps(3));
    if (failNext)
        QVERIFY(m_simulator.failNextTasks(failNext));
    const QVariantMap started = run(new ConvertDocumentToPdfRequest(1001));
    QCOMPARE(started.value(QStringLiteral("documentId")), QVariant(1001));
    const int taskId = started.value(QStringLiteral("taskId")).toInt();
    QVERIFY(taskId > 0);

    QList<int> statuses;
    QList<double> percents;
    while (statuses.size() < 10) {
        const QVariantMap result = run(new UserTaskStatusRequest(taskId));
        QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
        QCOMPARE(result.value(QStringLiteral("taskId")), QVariant(taskId));
        statuses << result.value(QStringLiteral("status")).toInt();
        percents << result.value(QStringLiteral("percent")).toDouble();
        if (statuses.last() == ServerTask::Complete || statuses.last() == ServerTask::Failed)
            break;
    }
    QCOMPARE(statuses.size(), 3);
    QCOMPARE(statuses.last(), finalStatus);
    // Until then the task reads as running.
    for (int i = 0; i + 1 < statuses.size(); ++i) {
        QVERIFY(statuses[i] != ServerTask::Complete && statuses[i] != ServerTask::Failed);
        QVERIFY(percents[i] < 100);
    }
}

void TestPortalRequests::largeFileRoundTrip()
{
    const QString name = QStringLiteral("Large scan.pdf");
    const QString localPath = m_local.filePath(name);
    QVERIFY(writePattern(localPath, s_largeFileSize));

    auto *upload = new UploadDocumentRequest(localPath, 100);
    QList<qint64> sent;
    qint64 uploadTotal = 0;
    QStringList started;
    connect(upload, &UploadDocumentRequest::progress, this, [&](qint64 bytes, qint64 total) {
        sent << bytes;
        uploadTotal = total;
    });
    connect(upload, &UploadDocumentRequest::uploadStarted, this, [&](const QString &n) { started << n; });
    QCOMPARE(run(upload), (QVariantMap{{"success", true}, {"documentName", name}}));
    QCOMPARE(started, QStringList{name});
    QVERIFY(!sent.isEmpty());
    QVERIFY(std::is_sorted(sent.cbegin(), sent.cend()));
    QVERIFY(uploadTotal > s_largeFileSize);
    QCOMPARE(sent.last(), uploadTotal);
    QVERIFY(m_simulator.clearRequests());

    const int documentId = documentIdNamed(name);
    QVERIFY(documentId > 0);
    // The portal sends the file a megabyte at a time, so the transfer is still
    // going when the second megabyte is reported.
    QVERIFY(m_simulator.setFault(s_v1 + "Documents/Download", {{"mode", "paced"}, {"chunkBytes", 1024 * 1024},
                                                               {"delayMs", 150}, {"count", 1}}));
    auto *download = new DownloadDocumentRequest(documentId, true, false);
    // Sampled on the downloading thread, at the moment each chunk is reported.
    QList<qint64> received;
    qint64 largestPartialFile = 0;
    connect(
        download, &FileDownloadRequest::progress, download,
        [&](qint64 bytes, qint64 total) {
            received << bytes;
            if (bytes < total)
                largestPartialFile = qMax(largestPartialFile, openFileSizeUnder(cacheFolder()));
        },
        Qt::DirectConnection);
    const QVariantMap result = run(download);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    const QString downloaded = result.value(QStringLiteral("tmpDocumentPath")).toString();
    QCOMPARE(QFileInfo(downloaded).absolutePath(), QFileInfo(cacheFolder()).absoluteFilePath());
    QCOMPARE(QFileInfo(downloaded).size(), qint64(s_largeFileSize));
    QCOMPARE(sha1Of(downloaded), sha1Of(localPath));

    QVERIFY(std::is_sorted(received.cbegin(), received.cend()));
    QCOMPARE(received.last(), qint64(s_largeFileSize));
    // The file was on disk and growing before the transfer had ended.
    QVERIFY2(largestPartialFile > 0 && largestPartialFile < s_largeFileSize,
             qPrintable(QString::number(largestPartialFile)));
}

// The portal sends the document's name with the bytes; it never reaches the path,
// and every download gets a file of its own.
void TestPortalRequests::downloadsGetTheirOwnFiles()
{
    QVERIFY(run(new RenameFileRequest(1005, QStringLiteral(".."))).value(QStringLiteral("success")).toBool());
    QSet<QString> paths;
    for (int i = 0; i < 6; ++i) {
        const QVariantMap result = run(new DownloadDocumentRequest(1005, i % 2 == 0, false));
        const QFileInfo downloaded(result.value(QStringLiteral("tmpDocumentPath")).toString());
        QCOMPARE(downloaded.absolutePath(), QFileInfo(cacheFolder()).absoluteFilePath());
        QVERIFY2(downloaded.fileName().startsWith(QLatin1String("download_")), qPrintable(downloaded.fileName()));
        QVERIFY(downloaded.isFile() && downloaded.size() > 0);
        paths.insert(downloaded.filePath());
    }
    QCOMPARE(paths.size(), 6);
}

void TestPortalRequests::unwritableDownloadLeavesNothing_data()
{
    QTest::addColumn<RequestFactory>("make");
    QTest::addColumn<bool>("isTask");
    QTest::addColumn<bool>("diskFull"); // else the folder is missing, and nothing is fetched that could not be kept
    QTest::newRow("document") << RequestFactory([](int) { return new DownloadDocumentRequest(1001, false, false); })
                              << false << true;
    const QString folder = m_local.path();
    QTest::newRow("task result") << RequestFactory([folder](int id) { return new UserTaskDownloadRequest(id, folder); })
                                 << true << true;
    const QString missing = m_local.filePath(QStringLiteral("gone/"));
    QTest::newRow("task result into a missing folder")
        << RequestFactory([missing](int id) { return new UserTaskDownloadRequest(id, missing); }) << true << false;
}

void TestPortalRequests::unwritableDownloadLeavesNothing()
{
    QFETCH(RequestFactory, make);
    QFETCH(bool, isTask);
    QFETCH(bool, diskFull);
    int taskId = 0;
    if (isTask) {
        taskId = startArchiveTask();
        QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    }
    RequestInterface *request = make(taskId);
    QVERIFY(m_simulator.clearRequests());

    QVariantMap result;
    {
        // As a full disk would: the first bytes go, the rest cannot.
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(16);
        QVERIFY(!limit || limit->isActive());
        result = run(request);
    }
    QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "Error write downloaded file"}}));
    QCOMPARE(cachedDownloads(), QStringList());
    QCOMPARE(localTaskDownloads(), QStringList());
    QCOMPARE(m_simulator.requests().isEmpty(), !diskFull);
}

void TestPortalRequests::taskDownloadReplacesLeftover()
{
    const int taskId = startArchiveTask();
    QCOMPARE(completeTask(taskId), int(ServerTask::Complete));
    const QString expected = m_local.filePath(QStringLiteral("%1.vellixdownload").arg(taskId));
    QFile leftover(expected);
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write("an earlier, broken attempt");
    leftover.close();

    // One trailing slash of the folder does not double the separator.
    const QVariantMap result = run(new UserTaskDownloadRequest(taskId, m_local.path() + QLatin1Char('/')));
    QCOMPARE(result.value(QStringLiteral("taskDownloadPath")).toString(), expected);
    QFile archive(expected);
    QVERIFY(archive.open(QIODevice::ReadOnly));
    QCOMPARE(archive.read(2), QByteArray("PK"));
    QVERIFY(QFile::remove(expected));
}

void TestPortalRequests::uploadHeaders()
{
    QVariantMap result;
    const QString path = uploadLocalFile(QStringLiteral("Sheet.final.xlsx"), 1000, &result);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    const QJsonObject recorded = m_simulator.requests().first().toObject();
    const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("directoryid")).toString(), QStringLiteral("100"));
    QCOMPARE(headers.value(QStringLiteral("accept-encoding")).toString(), QStringLiteral("gzip, deflate, br"));
    QCOMPARE(headers.value(QStringLiteral("content-type")).toString(),
             QStringLiteral("multipart/form-data; boundary=\"----WebKitFormBoundarylCadDvTpmB9OjqQh\""));

    const QByteArray body = QByteArray::fromBase64(recorded.value(QStringLiteral("bodyBase64")).toString().toLatin1());
    QFile local(path);
    QVERIFY(local.open(QIODevice::ReadOnly));
    const QByteArray expected = "------WebKitFormBoundarylCadDvTpmB9OjqQh\r\n"
                                "Content-Disposition: form-data; name=\"\"; filename=\"Sheet.final.xlsx\"\r\n"
                                "Content-Type: application/vnd.openxmlformats-officedocument.spreadsheetml.sheet\r\n"
                                "\r\n"
        + local.readAll() + "\r\n------WebKitFormBoundarylCadDvTpmB9OjqQh--\r\n";
    QCOMPARE(body, expected);
}

void TestPortalRequests::uploadNameCannotBreakThePartHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("quoted");
    QTest::addColumn<QString>("portalName");
    QTest::newRow("quotes and line breaks") << QStringLiteral("Say \"hi\"\r\nX-Injected: 1.txt")
                                            << QByteArray("\"Say \\\"hi\\\"X-Injected: 1.txt\"")
                                            << QStringLiteral("Say \"hi\"X-Injected: 1.txt");
    // The portal keeps what follows a backslash; the quote after it survives.
    QTest::newRow("backslash before a quote") << QStringLiteral("end\\\"quote.txt")
                                              << QByteArray("\"end\\\\\\\"quote.txt\"")
                                              << QStringLiteral("\"quote.txt");
}

void TestPortalRequests::uploadNameCannotBreakThePartHeader()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, quoted);
    QFETCH(QString, portalName);
    QVariantMap result;
    uploadLocalFile(name, 100, &result);
    QCOMPARE(result, (QVariantMap{{"success", true}, {"documentName", name}}));

    const QJsonObject recorded = m_simulator.requests().first().toObject();
    const QByteArray body = QByteArray::fromBase64(recorded.value(QStringLiteral("bodyBase64")).toString().toLatin1());
    const QByteArray headerBlock = body.left(body.indexOf("\r\n\r\n"));
    // Boundary and Content-Disposition; ".txt" has no media type, so no Content-Type goes.
    const QList<QByteArray> lines = headerBlock.split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(1), "Content-Disposition: form-data; name=\"\"; filename=" + quoted);
    // The portal reads the name back with its quotes, on one line.
    QVERIFY(documentIdNamed(portalName) > 0);
}

void TestPortalRequests::uploadOfUnreadableFile()
{
    const QVariantMap result = run(new UploadDocumentRequest(m_local.filePath(QStringLiteral("missing.txt")), 100));
    QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "error open file"}}));
    QCOMPARE(m_simulator.requests().size(), 0);
}

void TestPortalRequests::uploadFailureIsReportedOnce()
{
    const QString path = m_local.filePath(QStringLiteral("Upload me.txt"));
    // Both replies fail after they started: one start, one result.
    for (const QString &address : {QStringLiteral("nosuchscheme://portal"), QStringLiteral("http://127.0.0.1:1")}) {
        m_suite.settings().savePortalAddress(address);
        auto *request = new UploadDocumentRequest(path, 100);
        QSignalSpy started(request, &UploadDocumentRequest::uploadStarted);
        QVariantMap result = run(request);
        QCOMPARE(started.count(), 1);
        QCOMPARE(result.value(QStringLiteral("documentName")), QVariant(QStringLiteral("Upload me.txt")));
        QVERIFY2(!result.value(QStringLiteral("error")).toString().isEmpty(), qPrintable(address));
        QVERIFY(!result.contains(QStringLiteral("success")));
    }
}

void TestPortalRequests::namesSurviveRenameAndSearch_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << QStringLiteral("Quarterly report  2024.txt");
    QTest::newRow("ampersand") << QStringLiteral("Tom & Jerry=friends.txt");
    QTest::newRow("number sign") << QStringLiteral("Issue #42.txt");
    QTest::newRow("percent") << QStringLiteral("100% done %41.txt");
    QTest::newRow("plus") << QStringLiteral("C++ notes+more.txt");
    QTest::newRow("non-ASCII") << QStringLiteral("Отчёт über Ästhetik.txt");
    QTest::newRow("emoji") << QStringLiteral("Party 🎉 plan.txt");
    QTest::newRow("query look-alike") << QStringLiteral("a?id=5&name=x#top.txt");
}

void TestPortalRequests::namesSurviveRenameAndSearch()
{
    QFETCH(QString, name);

    QVariantMap result = run(new RenameFileRequest(1005, name));
    QCOMPARE(result.value(QStringLiteral("newFileName")).toString(), name);
    // Nothing of the name may read as a delimiter of the query.
    const QString target = m_simulator.requests().last().toObject().value(QStringLiteral("target")).toString();
    QCOMPARE(target.count(QLatin1Char('&')), 1);
    QVERIFY2(!target.contains(QLatin1Char('#')) && !target.contains(QLatin1Char(' ')), qPrintable(target));
    result = run(new RenameFolderRequest(114, name));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QCOMPARE(m_simulator.requests().last().toObject().value(QStringLiteral("query")).toObject().value(QStringLiteral("name")).toString(), name);

    result = run(new GetDocumentsRequest(100));
    QVERIFY(namesOf(result.value(QStringLiteral("documents")).toList()).contains(name));
    result = run(new GetFoldersRequest(100));
    QVERIFY(namesOf(result.value(QStringLiteral("folders")).toList()).contains(name));

    result = run(new SearchFoldersAndFilesRequest(name, 100));
    QCOMPARE(namesOf(result.value(QStringLiteral("documents")).toList()), QStringList{name});
    QCOMPARE(namesOf(result.value(QStringLiteral("directories")).toList()), QStringList{name});
    const QJsonObject query = m_simulator.requests().last().toObject().value(QStringLiteral("query")).toObject();
    QCOMPARE(query, (QJsonObject{{"text", name}, {"id", "100"}}));
}

void TestPortalRequests::oddAnswers_data()
{
    QTest::addColumn<RequestFactory>("make");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QVariantMap>("expected");

    const RequestFactory search = [](int) { return new SearchFoldersAndFilesRequest(QStringLiteral("x"), 0); };
    const RequestFactory create = [](int) { return new CreateDocumentRequest(QStringLiteral("A.docx"), 100); };
    const RequestFactory renameFolder = [](int) { return new RenameFolderRequest(114, QStringLiteral("Pictures")); };
    const RequestFactory documentLink = [](int) {
        return new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Document);
    };
    const auto answer = [](const char *body) { return QJsonObject{{"status", 200}, {"body", QString::fromUtf8(body)}}; };
    const QJsonObject malformed{{"mode", "malformed"}};
    const QVariantList folder113{113};

    QTest::newRow("search without documents keeps the folders")
        << search << "DocumentDirectory/Search" << answer(R"({"Directory":{"Items":[{"Id":3,"Name":"x"}]}})")
        << QVariantMap{{"success", true}, {"documents", QVariantList()},
                       {"directories", QVariantList{QVariantMap{{"Id", 3.0}, {"Name", "x"}}}}};
    QTest::newRow("listing with stray scalars")
        << RequestFactory([](int) { return new GetFoldersRequest(100); }) << "DocumentDirectory/Get"
        << answer(R"([3,{"Id":7},"x",null])")
        << QVariantMap{{"success", true}, {"error", ""}, {"folders", QVariantList{QVariantMap{{"Id", 7.0}}}}};
    QTest::newRow("document info that is no object")
        << RequestFactory([](int) { return new GetDocumentInfoRequest(1001); }) << "Documents" << answer("[1,2]")
        << QVariantMap{{"success", true}, {"error", ""}, {"info", QVariantMap()}};
    QTest::newRow("created document not in a list")
        << create << "Documents/Create" << answer(R"({"Id":5})")
        << QVariantMap{{"success", true}, {"error", ""}, {"fileId", QVariant()}, {"fileName", QVariant()},
                       {"ownerId", QVariant()}};
    QTest::newRow("created nothing")
        << create << "Documents/Create" << answer("[]")
        << QVariantMap{{"success", true}, {"error", ""}, {"fileId", QVariant()}, {"fileName", QVariant()},
                       {"ownerId", QVariant()}};
    QTest::newRow("created document with null owner")
        << create << "Documents/Create" << answer(R"([{"Id":5,"OwnerId":null,"Name":"A.docx"}])")
        << QVariantMap{{"success", true}, {"error", ""}, {"fileId", 5}, {"fileName", "A.docx"}, {"ownerId", QVariant()}};
    QTest::newRow("copy task id as text")
        << RequestFactory([](int) { return new CopyFolderRequest({113}, 110, CopyFolderFlags::Copy); })
        << "DocumentDirectory/Copy" << answer(R"({"TaskId":"42"})")
        << QVariantMap{{"success", true}, {"folderIds", folder113}, {"taskId", 42}};
    QTest::newRow("move task id kept as sent")
        << RequestFactory([](int) { return new MoveFolderRequest({113}, 110, CopyFolderFlags::Copy); })
        << "DocumentDirectory/Move" << answer(R"({"TaskId":"42"})")
        << QVariantMap{{"success", true}, {"folderIds", folder113}, {"taskId", "42"}};
    QTest::newRow("conflict missing")
        << RequestFactory([](int) { return new CheckConflictRequest(110, {113}); }) << "DocumentDirectory/Conflict"
        << answer(R"({"Other":1})") << QVariantMap{{"success", true}, {"folderIds", folder113}, {"conflict", false}};
    QTest::newRow("renamed folder reports the requested name")
        << renameFolder << "DocumentDirectory/Rename" << answer(R"({"Id":114,"Name":"Something else"})")
        << QVariantMap{{"success", true}, {"folderId", 114}, {"newFolderName", "Pictures"}, {"error", ""}};
    QTest::newRow("folder rename refused")
        << renameFolder << "DocumentDirectory/Rename"
        << QJsonObject{{"status", 409}, {"body", QJsonObject{{"ErrorMessage", "Name taken"}}}}
        << QVariantMap{{"success", false}, {"folderId", 114}, {"error", "Name taken. Error 409."}};
    // The folder share does not read the body; the file share reports an unreadable one.
    QTest::newRow("folder share, unreadable answer")
        << RequestFactory([](int) { return new ShareFolderRequest(114, 3, FileAccessType::Write); })
        << "DocumentDirectory/Share" << malformed << QVariantMap{{"success", true}, {"folderId", 114}};
    QTest::newRow("file share, unreadable answer")
        << RequestFactory([](int) { return new ShareFileRequest(1002, 3, FileAccessType::Write); })
        << "Documents/Share" << malformed
        << QVariantMap{{"error", RequestInterface::unreadableAnswerText()}, {"fileId", 1002}};
    // The workers read a start without "error" as success: one without a task id carries a text.
    QTest::newRow("task start without task id")
        << RequestFactory([](int) { return new ConvertDocumentToPdfRequest(1001); }) << "Documents/Convert"
        << answer(R"({"Other":1})")
        << QVariantMap{{"error", ServerTask::failureText(NetworkReplyHandler())}};
    QTest::newRow("task id as text")
        << RequestFactory([](int) { return new ArchiveDirectoryRequest(110); }) << "DocumentDirectory/Archive"
        << answer(R"({"TaskId":"17"})") << QVariantMap{{"success", true}, {"documentId", 110}, {"taskId", 17}};
    // A task whose state cannot be read is not reported as running.
    const RequestFactory taskStatus = [](int) { return new UserTaskStatusRequest(7); };
    const QVariantMap unreadableTask{
        {"success", false}, {"error", ServerTask::failureText(NetworkReplyHandler())}, {"taskId", 7}};
    QTest::newRow("task status not JSON")
        << taskStatus << "UserTask" << malformed
        << QVariantMap{{"success", false}, {"error", RequestInterface::unreadableAnswerText()}, {"taskId", 7}};
    QTest::newRow("task status without status") << taskStatus << "UserTask" << answer(R"({"Percent":50})")
                                                << unreadableTask;
    QTest::newRow("task status not a number") << taskStatus << "UserTask" << answer(R"({"Status":"busy"})")
                                              << unreadableTask;
    QTest::newRow("task status true") << taskStatus << "UserTask" << answer("true") << unreadableTask;
    // Fields the portal leaves out stay empty; ids sent as numbers read as text.
    QTest::newRow("document link with fields left out")
        << documentLink << "Link/Generate" << answer(R"({"Link":"l","UserId":7})")
        << QVariantMap{{"success", true}, {"error", ""}, {"link", "l"}, {"uri", ""}, {"uid", ""}, {"jwt", ""},
                       {"userId", "7"}, {"version", 0}};
    QTest::newRow("folder link with fields left out")
        << RequestFactory([](int) {
               return new GetFolderLinkRequest(114, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
           })
        << "Link/Generate" << answer(R"({"Link":"l","UserId":7})")
        << QVariantMap{{"success", true}, {"link", "l"}, {"uri", ""}, {"uid", ""}};
}

void TestPortalRequests::oddAnswers()
{
    QFETCH(RequestFactory, make);
    QFETCH(QString, path);
    QFETCH(QJsonObject, fault);
    QFETCH(QVariantMap, expected);
    QVERIFY(m_simulator.setFault(s_v1 + path, fault));

    const QVariantMap result = run(make(0));
    const QByteArray shown = QJsonDocument(QJsonObject::fromVariantMap(result)).toJson(QJsonDocument::Compact);
    QVERIFY2(result == expected, shown.constData());
}

void TestPortalRequests::folderIdsAndTaskIdsReachTheResult()
{
    QVariantMap result = run(new CopyFolderRequest({113, 114}, 110, CopyFolderFlags::Copy));
    QCOMPARE(result.value(QStringLiteral("folderIds")), QVariant(QVariantList{113, 114}));
    const int copyTask = result.value(QStringLiteral("taskId")).toInt();
    const int moveTask = run(new MoveFolderRequest({114}, 110, CopyFolderFlags::Skip)).value(QStringLiteral("taskId")).toInt();
    QVERIFY(copyTask > 0);
    QVERIFY(moveTask > 0 && moveTask != copyTask);
    // Restoring a file that is no longer in the trash is refused, and the ids still come back.
    result = run(new RestoreFileRequest({1001}, 100));
    QCOMPARE(result.value(QStringLiteral("fileIds")), QVariant(QVariantList{1001}));
    QVERIFY(!result.contains(QStringLiteral("success")));
    QVERIFY(result.value(QStringLiteral("error")).toString().endsWith(QStringLiteral("Error 400.")));
}

void TestPortalRequests::bulkWithoutPrincipalsStillSends()
{
    QCOMPARE(run(new ShareFolderBulkRequest(114, {}, {})),
             (QVariantMap{{"success", true}, {"users", QVariantList()}}));
    const QJsonArray requests = m_simulator.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().toObject().value(QStringLiteral("body")).toString(), QStringLiteral("[]"));
}

void TestPortalRequests::linkFieldsReachTheResult()
{
    const QVariantMap document = run(new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal,
                                                                DocumentLink::Read, EntityTypes::Document));
    const QString uid = document.value(QStringLiteral("uid")).toString();
    QCOMPARE(document.value(QStringLiteral("link")).toString(), m_simulator.baseUrl() + "/link/" + uid);
    QCOMPARE(document.value(QStringLiteral("uri")).toString(), m_simulator.baseUrl() + "/s/" + uid);
    QCOMPARE(document.value(QStringLiteral("jwt")).toString(), "jwt-" + uid);
    QCOMPARE(document.value(QStringLiteral("userId")).toString(), QStringLiteral("1"));
    QCOMPARE(document.value(QStringLiteral("version")).toInt(), 1);

    // The share information lists the generated link.
    const QVariantMap info = run(new GetEntityShareInfoRequest(1001, EntityTypes::Document));
    QStringList uids;
    for (const QVariant &link : info.value(QStringLiteral("links")).toList())
        uids << link.toMap().value(QStringLiteral("Uid")).toString();
    QVERIFY2(uids.contains(uid), qPrintable(uids.join(',')));
}

void TestPortalRequests::editRightsCarryTheWholeReply()
{
    const QVariantMap result = run(new EditRightsRequestV2(1001, QString()));
    const QJsonObject reply = result.value(QStringLiteral("json")).value<QJsonDocument>().object();
    QCOMPARE(reply.value(QStringLiteral("Info")).toObject().value(QStringLiteral("DocumentId")).toInt(), 1001);
    QVERIFY(reply.value(QStringLiteral("Link")).toObject().value(QStringLiteral("Payload")).isObject());

    // An id below 1 asks by link: an empty uid when there is none, delimiters of a uid encoded.
    for (const QString &uid : {QString(), QStringLiteral("a&Id=5 #x+y")}) {
        const QVariantMap byLink = run(new EditRightsRequestV2(uid.isEmpty() ? 0 : -1, uid));
        QCOMPARE(byLink.value(QStringLiteral("success")), QVariant(false));
        QCOMPARE(m_simulator.requests().last().toObject().value(QStringLiteral("query")).toObject(),
                 (QJsonObject{{"Uid", uid}, {"editorType", "mobile"}}));
    }
}

VELLIX_TEST_MAIN(TestPortalRequests, QCoreApplication)

#include "tst_portalrequests.moc"
