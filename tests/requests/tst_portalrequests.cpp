#include "cachetestsupport.h"
#include "filesizelimit.h"
#include "requestrunner.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"
#include "editor/editrightsrequestv2.h"
#include "editor/getdocumentlinkrequest.h"
#include "requests/addfavoriterequest.h"
#include "requests/archivedirectoryrequest.h"
#include "requests/authrequest.h"
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
#include "requests/deviceidentity.h"
#include "requests/downloaddocumentrequest.h"
#include "requests/forgotpasswordrequest.h"
#include "requests/getcustomerrolesrequest.h"
#include "requests/getdocumentinforequest.h"
#include "requests/getdocumentsrequest.h"
#include "requests/getentityshareinforequest.h"
#include "requests/getfolderlinkrequest.h"
#include "requests/getfoldersrequest.h"
#include "requests/getserversettingsrequest.h"
#include "requests/getusersinforequest.h"
#include "requests/movefilerequest.h"
#include "requests/movefolderrequest.h"
#include "requests/movetotrashfilerequest.h"
#include "requests/refreshtokenrequest.h"
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
#include "requests/supportrequest.h"
#include "requests/unsharedocumentbulkrequest.h"
#include "requests/unsharefilerequest.h"
#include "requests/unsharefolderbulkrequest.h"
#include "requests/unsharefolderrequest.h"
#include "requests/uploaddocumentrequest.h"
#include "requests/userregisterrequest.h"
#include "requests/usertaskdownloadrequest.h"
#include "requests/usertaskstatusrequest.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// What a case's request may need from before it: a server task, or the tokens of a sign-in.
struct Given
{
    int taskId = 0;
    QString access;
    QString refresh;
};
using RequestFactory = std::function<RequestInterface *(const Given &)>;
using Ids = QList<int>;

template <typename Request, typename... Arguments>
RequestFactory make(Arguments... arguments)
{
    return [arguments...](const Given &) -> RequestInterface * { return new Request(arguments...); };
}

enum class Need { None, Task, CompleteTask, SignIn, NoToken };

// How a case words a failed exchange.
enum class Wording {
    Handler,   // the reply handler's message
    Readable,  // the handler's message, and a text of its own for an unreadable answer
    ReplyText, // the reply's own error text; the body is not read
    Task,      // a server task's start or status: any text, its own for an unreadable reply
    File,      // a transfer: any text; a body that is not JSON is just the file
};

// One portal call: what the portal must receive and what the result map holds.
struct RequestCase
{
    const char *name;
    RequestFactory make;
    QString call;        // method and path; a path without a leading slash is below /api/v1/
    QJsonObject query;   // "$task" stands for the task's id
    QJsonValue body;     // "$access" and "$refresh" stand for the tokens; null: none (an upload's is checked on its own)
    QString successKeys; // "key:type ..." of the success map; empty: no success case
    QString failureKeys;
    Wording wording = Wording::Handler;
    Need need = Need::None;

    QString method() const { return call.section(' ', 0, 0); }
    QString path() const
    {
        const QString path = call.section(' ', 1);
        return path.startsWith('/') ? path : QStringLiteral("/api/v1/") + path;
    }
};

// Answers every translation with the same foreign text, as a translated build would.
class EverythingTranslated : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *, int) const override { return QStringLiteral("Übersetzt"); }
    bool isEmpty() const override { return false; }
};

const QString s_unauthorized = QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.");
constexpr int s_largeFileSize = 8 * 1024 * 1024;


// The list a principal is in decides where it goes, not its isGroup.
const QList<UserOrRoleEntity> s_bulkUsers{principal(2, DocumentLink::Read, true), principal(3, DocumentLink::Write)};
const QList<UserOrRoleEntity> s_bulkRoles{principal(1, DocumentLink::Read)};

QJsonObject singleBody(const char *access, int userId, int entityId)
{
    return {{"AccessType", access}, {"ToUserIds", QJsonArray{QString::number(userId)}}, {"Ids", QJsonArray{QString::number(entityId)}}};
}

QJsonArray bulkBody(int entityId)
{
    return {QJsonObject{{"AccessType", "Read"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{2}}, {"ToRoleIds", QJsonArray{1}}},
            QJsonObject{{"AccessType", "Write"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{3}}}};
}

QJsonObject folderBody(const char *name, const char *type)
{
    return {{"Name", name}, {"Description", ""}, {"Order", 100}, {"Type", type}, {"IconId", ""}, {"RoleIds", ""}, {"UserIds", ""}, {"ParentId", 100}};
}

QJsonObject idsTo(const QJsonArray &ids, int folder, const char *rule = nullptr)
{
    QJsonObject body{{"Ids", ids}, {"ToDirectoryId", folder}};
    if (rule)
        body.insert("Rule", rule);
    return body;
}

QStringList namesOf(const QVariantList &entities)
{
    QStringList names;
    for (const QVariant &entity : entities) {
        const QVariantMap map = entity.toMap();
        names << map.value(QStringLiteral("Name")).toString() << namesOf(map.value(QStringLiteral("Children")).toList());
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

// Bytes that differ at every position of a block, so that a shifted or repeated block shows.
bool writePattern(const QString &path, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 31 / 7);
    return TestEnvironment::writeFile(path, bytes);
}

// "$task", "$access" and "$refresh" replaced by what the case was given.
QJsonObject substituted(QJsonObject object, const Given &given)
{
    const QJsonObject values{{"$task", QString::number(given.taskId)}, {"$access", given.access}, {"$refresh", given.refresh}};
    for (auto it = object.begin(); it != object.end(); ++it)
        it.value() = values.value(it.value().toString()).isUndefined() ? QJsonValue(it.value()) : values.value(it.value().toString());
    return object;
}

// A refusal with a message, an expired session, an unreadable answer, a
// connection closed without an answer or in the middle of one, and a hang;
// with the reply handler's text for each. {"expire": true} stands for a session that ran out.
struct FaultClass
{
    const char *name;
    QJsonObject fault;
    QString error;
};

QList<FaultClass> faultClasses()
{
    const QString closed = QStringLiteral("The portal closed the connection.");
    return {
        {"portal error", {{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Storage is full"}}}}, "Storage is full. Error 500."},
        {"expired token", {{"expire", true}}, s_unauthorized},
        {"malformed JSON", {{"mode", "malformed"}}, RequestInterface::unreadableAnswerText()},
        {"dropped connection", {{"mode", "drop"}}, closed},
        {"truncated reply", {{"mode", "truncated"}}, closed},
        {"hang", {{"mode", "hang"}}, "The connection to the portal timed out."},
    };
}

// Answers with secrets wherever some request reads or logs a reply: an object
// and an array. Every planted secret starts with s_planted; the simulator's own
// editor and link tokens start with "jwt-".
const QString s_planted = QStringLiteral("s3cr3t");

QList<QJsonValue> secretAnswers()
{
    int count = 0;
    const auto planted = [&count] { return s_planted + QLatin1Char('-') + QString::number(++count); };
    const QJsonObject tokens{{"AuthToken", planted()}, {"RefreshToken", planted()}};
    const QJsonObject object{
        {"Status", 200}, {"TaskId", 7}, {"Token", planted()}, {"Password", planted()}, {"Jwt", planted()},
        {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}, {"User", QJsonObject{{"Id", 1}, {"UserPassword", planted()}}}}}}},
        {"Link", QJsonObject{{"Payload", QJsonObject{{"token", planted()}, {"type", "mobile"}}}}},
        {"Items", QJsonArray{QJsonObject{{"Id", 1}, {"Name", "a"}, {"access_token", planted()}}}},
        {"Directory", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 2}, {"refresh_token", planted()}}}}}},
        {"Document", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 3}, {"Authorization", planted()}}}}}},
        {"DocumentServer", QJsonObject{{"Url", "http://127.0.0.1:1"}, {"Token", planted()}}},
    };
    const QJsonArray array{QJsonObject{{"Id", 4}, {"OwnerId", 1}, {"Name", "b"}, {"Jwt", planted()},
                                       {"Children", QJsonArray{QJsonObject{{"Id", 5}, {"Password", planted()}}}}}};
    return {object, array};
}

// Empty when the map holds exactly the keys of "key:type key:type ...", with these types; otherwise what differs.
QString keysAndTypesMismatch(const QVariantMap &result, const QString &keysAndTypes)
{
    QStringList actual;
    for (auto it = result.cbegin(); it != result.cend(); ++it)
        actual << it.key() + QLatin1Char(':') + QString::fromLatin1(it.value().typeName());
    QStringList expected = keysAndTypes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    expected.sort();
    return actual == expected ? QString() : QStringLiteral("got %1, expected %2").arg(actual.join(' '), expected.join(' '));
}

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QList<RequestCase> requestCases(const QString &localFolder)
{
    const QString login = SimulatorProcess::s_demoLogin;
    const QString device = DeviceIdentity::uniqueId();
    const QString userKeys = QStringLiteral("access_token:QString error:QString refresh_token:QString success:bool user_company:QString "
                                            "user_email:QString user_first_name:QString user_id:int user_login:QString "
                                            "user_middle_name:QString user_name:QString user_surname:QString");
    const QString created = QStringLiteral("error:QString folderId:qlonglong folderName:QString success:bool");
    const QString found = QStringLiteral("directories:QVariantList documents:QVariantList success:bool");
    const QString task = QStringLiteral("documentId:int success:bool taskId:int");
    const QString bulk = QStringLiteral("success:bool users:QVariantList");
    const QString edit = QStringLiteral("json:QJsonDocument success:bool");
    const QString downloaded = QStringLiteral("error:QString success:bool tmpDocumentPath:QString");
    const QString plain = QStringLiteral("error:QString success:bool");
    const QString both = QStringLiteral("error success");
    const auto link = static_cast<DocumentLink::AccessType>(4);
    using W = Wording;
    return {
        {"sign-in", make<AuthRequest>(login, SimulatorProcess::s_demoPassword), "POST /api/v2/auth/login", {},
         QJsonObject{{"ApplicationVersion", "1.8.5.114"}, {"DeviceId", device}, {"Login", login}, {"OsVersion", DeviceIdentity::osVersion()},
                     {"Password", SimulatorProcess::s_demoPassword}}, userKeys, "error", W::Readable, Need::NoToken},
        {"refresh", [](const Given &g) { return new RefreshTokenRequest(g.access, g.refresh, QString()); }, "POST /api/v2/auth/refresh", {},
         QJsonObject{{"DeviceId", device}, {"RefreshToken", "$refresh"}, {"Token", "$access"}},
         "access_token:QString error:QString refresh_token:QString success:bool", both, W::Readable, Need::SignIn},
        {"register", make<UserRegisterRequest>("new.user@vellix.local", "s3cret!", "Anna", "Petrova"), "POST /api/v2/auth/register", {},
         QJsonObject{{"Phone", ""}, {"Email", "new.user@vellix.local"}, {"UserPassword", "s3cret!"}, {"FirstName", "Anna"},
                     {"Surname", "Petrova"}, {"Application", "aurora"}}, plain, both, W::Readable, Need::NoToken},
        {"forgot password", make<ForgotPasswordRequest>(login), "POST /api/v2/auth/Forgot", {}, QJsonObject{{"Login", login}},
         "data:QVariantMap error:QString success:bool", "data error success", W::Readable, Need::NoToken},
        // The raw token, no scheme word in front.
        {"server settings", make<GetServerSettingsRequest>(), "GET Settings", {}, {}, "documentServer:QVariantMap success:bool", both, W::Readable},
        {"support", make<SupportRequest>(SupportRequest::SupportData{"http://ignored.example", "me@vellix.local", "Subject & more", "It works?"}),
         "POST Support/Feedback", {}, QJsonObject{{"Login", "me@vellix.local"}, {"Subject", "Subject & more"}, {"Text", "It works?"},
                                                  {"Version", "1.8.5.114"}}, plain, both, W::Readable},
        {"folders of a folder", make<GetFoldersRequest>(100), "GET DocumentDirectory/Get", {{"id", "100"}}, {},
         "error:QString folders:QVariantList success:bool", "error"},
        {"folders of the top level", make<GetFoldersRequest>(0), "GET DocumentDirectory/Get", {}, {},
         "error:QString folders:QVariantList success:bool", "error"},
        {"documents of a folder", make<GetDocumentsRequest>(100), "POST DocumentDirectory/GetDocuments", {}, QJsonObject{{"Ids", QJsonArray{100}}},
         "documents:QVariantList error:QString success:bool", "error"},
        {"search everywhere", make<SearchFoldersAndFilesRequest>("report", 0), "GET DocumentDirectory/Search", {{"text", "report"}}, {}, found, both},
        {"search in a folder", make<SearchFoldersAndFilesRequest>("report", 12), "GET DocumentDirectory/Search",
         {{"text", "report"}, {"id", "12"}}, {}, found, both},
        {"document info", make<GetDocumentInfoRequest>(1001), "GET Documents", {{"Id", "1001"}}, {}, "error:QString info:QVariantMap success:bool", both},
        {"users", make<GetUsersInfoRequest>(QVariantList{1, "2"}), "POST User/get", {}, QJsonObject{{"Ids", QJsonArray{1, 2}}},
         "error:QString success:bool users:QVariantList", "error"},
        {"create document", make<CreateDocumentRequest>("Plan.docx", 100), "POST Documents/Create", {},
         QJsonObject{{"DirectoryId", 100}, {"Name", "Plan.docx"}}, "error:QString fileId:qlonglong fileName:QString ownerId:qlonglong success:bool", both},
        {"create folder", make<CreateFolderRequest>("Plans", 100, false), "POST DocumentDirectory/AddSubDirectory", {},
         folderBody("Plans", "Default"), created, both},
        {"create public folder", make<CreateFolderRequest>("Open", 100, true), "POST DocumentDirectory/AddSubDirectory", {},
         folderBody("Open", "Public"), created, both},
        {"rename file", make<RenameFileRequest>(1005, "Memo.txt"), "GET Documents/Rename", {{"id", "1005"}, {"name", "Memo.txt"}}, {},
         "error:QString newFileName:QString success:bool", both},
        {"rename folder", make<RenameFolderRequest>(114, "Pictures"), "GET DocumentDirectory/Rename", {{"id", "114"}, {"name", "Pictures"}}, {},
         "error:QString folderId:int newFolderName:QString success:bool", "error folderId success"},
        {"move files", make<MoveFileRequest>(Ids{1005, 1004}, 110), "POST Documents/Move", {}, idsTo({1005, 1004}, 110), "success:bool", "error"},
        {"copy files", make<CopyFileRequest>(Ids{1002}, 110), "POST Documents/Copy", {}, idsTo({1002}, 110),
         "copiedFiles:QVariantList error:QString success:bool", both},
        {"move folders", make<MoveFolderRequest>(Ids{114}, 110, CopyFolderFlags::Skip), "POST DocumentDirectory/Move", {},
         idsTo({114}, 110, "Skip"), "folderIds:QVariantList success:bool taskId:qlonglong", both},
        {"copy folders", make<CopyFolderRequest>(Ids{113, 114}, 110, CopyFolderFlags::Copy), "POST DocumentDirectory/Copy", {},
         idsTo({113, 114}, 110, "Copy"), "folderIds:QVariantList success:bool taskId:int", both},
        {"copy folders, rule out of range", make<CopyFolderRequest>(Ids{113}, 110, static_cast<CopyFolderFlags::Flags>(7)),
         "POST DocumentDirectory/Copy", {}, idsTo({113}, 110, ""), QString(), both},
        {"restore folders", make<RestoreFolderRequest>(Ids{120}, 100, CopyFolderFlags::Overwrite), "POST DocumentDirectory/Restore", {},
         idsTo({120}, 100, "Overwrite"), "folderIds:QVariantList success:bool", "error folderIds"},
        {"restore files", make<RestoreFileRequest>(Ids{1051}, 100), "POST Documents/Restore", {}, idsTo({1051}, 100),
         "fileIds:QVariantList success:bool", "error fileIds"},
        {"delete folders", make<DeleteFolderRequest>(Ids{114, 113}), "POST DocumentDirectory/Delete", {}, QJsonObject{{"Ids", QJsonArray{114, 113}}},
         "error:QString success:bool taskId:int", both},
        {"files to trash", make<MoveToTrashFileRequest>(Ids{1005}), "POST Documents/Delete", {}, QJsonObject{{"Ids", QJsonArray{1005}}},
         "fileIds:QVariantList success:bool", "error fileIds"},
        {"clear folder", make<ClearFolderRequest>(105), "GET DocumentDirectory/Clear", {{"id", "105"}}, {}, "folderId:int success:bool taskId:int", both},
        {"add favorite", make<AddFavoriteRequest>(1004), "POST Favorites/Add", {}, QJsonObject{{"EntityIds", QJsonArray{1004}}, {"Type", "Document"}},
         plain, "error"},
        {"delete favorites", make<DeleteFavoriteRequest>(Ids{1002, 1003}), "POST Favorites/Delete", {},
         QJsonObject{{"EntityIds", QJsonArray{1002, 1003}}, {"Type", "Document"}}, plain, "error"},
        {"clear favorites", make<ClearFavoritesRequest>(), "DELETE Favorites/Delete", {{"type", "Document"}}, {}, plain, "error"},
        {"check conflict", make<CheckConflictRequest>(110, Ids{113}), "POST DocumentDirectory/Conflict", {},
         QJsonObject{{"ToDirectoryId", 110}, {"Ids", QJsonArray{113}}}, "conflict:bool folderIds:QVariantList success:bool", both},
        {"share file", make<ShareFileRequest>(1002, 2, FileAccessType::Read), "POST Documents/Share", {}, singleBody("Read", 2, 1002),
         "fileId:int success:bool", "error fileId"},
        {"unshare file", make<UnShareFileRequest>(1001, 2, FileAccessType::Write), "POST Documents/UnShare", {}, singleBody("Write", 2, 1001),
         "fileId:int success:bool", "error fileId"},
        {"share folder", make<ShareFolderRequest>(114, 3, FileAccessType::Write), "POST DocumentDirectory/Share", {},
         singleBody("Write", 3, 114), "folderId:int success:bool", "error folderId", W::ReplyText},
        {"unshare folder", make<UnShareFolderRequest>(113, 2, FileAccessType::Read), "POST DocumentDirectory/UnShare", {},
         singleBody("Read", 2, 113), "folderId:int success:bool", "error folderId", W::ReplyText},
        {"share document in bulk", make<ShareDocumentBulkRequest>(1002, s_bulkUsers, s_bulkRoles), "POST Documents/ShareBulk", {},
         bulkBody(1002), bulk, both},
        {"unshare document in bulk", make<UnShareDocumentBulkRequest>(1001, s_bulkUsers, s_bulkRoles), "POST Documents/UnShareBulk", {},
         bulkBody(1001), bulk, both},
        {"share folder in bulk", make<ShareFolderBulkRequest>(114, s_bulkUsers, s_bulkRoles), "POST DocumentDirectory/ShareBulk", {},
         bulkBody(114), bulk, both},
        {"unshare folder in bulk", make<UnShareFolderBulkRequest>(113, s_bulkUsers, s_bulkRoles), "POST DocumentDirectory/UnShareBulk", {},
         bulkBody(113), bulk, both},
        {"share folder in bulk with nobody", make<ShareFolderBulkRequest>(114, QList<UserOrRoleEntity>(), QList<UserOrRoleEntity>()),
         "POST DocumentDirectory/ShareBulk", {}, QJsonArray(), bulk, both},
        {"share info", make<GetEntityShareInfoRequest>(1001, EntityTypes::Document), "GET Share", {{"entityId", "1001"}, {"entityType", "Document"}},
         {}, "links:QVariantList roles:QVariantList success:bool users:QVariantList", both},
        {"folder link", make<GetFolderLinkRequest>(114, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory),
         "GET Link/Generate", {{"Id", "114"}, {"lifetime", "10"}, {"accessType", "1"}, {"type", "3"}}, {},
         "link:QString success:bool uid:QString uri:QString", both},
        {"customer roles", make<GetCustomerRolesRequest>(), "GET Role", {}, {}, "roles:QVariantList success:bool", "error"},
        {"search users", make<SearchUsersRequest>("anna"), "POST User/Search", {}, QJsonObject{{"Query", "anna"}}, "success:bool users:QVariantList", both},
        {"edit rights by id", make<EditRightsRequestV2>(1001, "ignored"), "GET Documents/EditRights", {{"Id", "1001"}, {"editorType", "mobile"}},
         {}, edit, both},
        {"edit rights by link", make<EditRightsRequestV2>(0, "link-welcome"), "GET Documents/EditRights",
         {{"Uid", "link-welcome"}, {"editorType", "mobile"}}, {}, edit, both},
        {"document link", make<GetDocumentLinkRequest>(1001, DocumentLink::DefaultExternal, link, EntityTypes::Document), "GET Link/Generate",
         {{"Id", "1001"}, {"type", "2"}, {"lifetime", "10"}, {"accessType", "4"}}, {},
         "error:QString jwt:QString link:QString success:bool uid:QString uri:QString userId:QString version:int", both},
        {"download document", make<DownloadDocumentRequest>(1005, true, false), "GET Documents/Download",
         {{"id", "1005"}, {"download", "true"}, {"offline", "false"}}, {}, downloaded, both, W::File},
        {"download offline copy", make<DownloadDocumentRequest>(1004, false, true), "GET Documents/Download",
         {{"id", "1004"}, {"download", "false"}, {"offline", "true"}}, {}, downloaded, both, W::File},
        {"convert to pdf", make<ConvertDocumentToPdfRequest>(1001), "GET Documents/Convert", {{"id", "1001"}}, {}, task, "error", W::Task},
        {"archive folder", make<ArchiveDirectoryRequest>(110), "GET DocumentDirectory/Archive", {{"Id", "110"}}, {}, task, "error", W::Task},
        {"task status", [](const Given &g) { return new UserTaskStatusRequest(g.taskId); }, "GET UserTask", {{"Id", "$task"}}, {},
         "percent:double status:int success:bool taskId:int", "error success taskId", W::Task, Need::Task},
        {"task download", [localFolder](const Given &g) { return new UserTaskDownloadRequest(g.taskId, localFolder); },
         "GET UserTask/Download", {{"Id", "$task"}}, {}, "error:QString success:bool taskDownloadPath:QString", both, W::File, Need::CompleteTask},
        {"upload", make<UploadDocumentRequest>(localFolder + "/Upload me.txt", 100), "POST Documents/Upload", {}, {},
         "documentName:QString success:bool", "documentName error", W::File},
    };
}

} // namespace

Q_DECLARE_METATYPE(RequestFactory)

// Every request against the simulator: sign-in and account, listing,
// operations, transfers, sharing and the editor's.
class TestPortalRequests : public QObject
{
    Q_OBJECT

private:
    // Time-out for everything but the provoked hangs.
    static constexpr int s_inactivityTimeoutMs = 10000;

    SimulatorProcess m_simulator;
    RequestRunner m_runner;
    Settings m_settings;
    QTemporaryDir m_local;

    QVariantMap run(RequestInterface *request)
    {
        const QVariantMap result = m_runner.run(request);
        [&] { QVERIFY(m_runner.reportedOnceFromThePool()); }();
        return result;
    }
    RequestCase caseAt(int index) const { return requestCases(m_local.path()).at(index); }

    // What the case needs set up; a task id of -1 when that failed.
    Given prepareFor(Need need)
    {
        Given given{0, m_settings.accessToken(), QString()};
        if (need == Need::Task || need == Need::CompleteTask) {
            given.taskId = run(new ArchiveDirectoryRequest(110)).value(QStringLiteral("taskId")).toInt();
            // The simulator finishes a task after a few polls.
            int status = need == Need::CompleteTask ? 0 : int(ServerTask::Complete);
            for (int poll = 0; poll < 10 && status != ServerTask::Complete; ++poll)
                status = run(new UserTaskStatusRequest(given.taskId)).value(QStringLiteral("status")).toInt();
            if (status != ServerTask::Complete)
                given.taskId = -1;
        } else if (need == Need::SignIn) {
            const QVariantMap result = run(requestCases(QString()).first().make({}));
            given.access = result.value(QStringLiteral("access_token")).toString();
            given.refresh = result.value(QStringLiteral("refresh_token")).toString();
            m_settings.saveAccessToken(given.access);
        } else if (need == Need::NoToken) {
            // The calls made before a sign-in go without a token.
            m_settings.saveAccessToken(QString());
        }
        m_simulator.clearRequests();
        return given;
    }

    int documentIdNamed(const QString &name)
    {
        for (const QJsonValue &document : m_simulator.state().value(QStringLiteral("documents")).toArray()) {
            if (document.toObject().value(QStringLiteral("Name")).toString() == name)
                return document.toObject().value(QStringLiteral("Id")).toInt();
        }
        return 0;
    }

    QStringList localTaskDownloads() const
    {
        return QDir(m_local.path()).entryList({QStringLiteral("*vellixdownload*")}, QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_local.isValid());
        ReplyTimeout::setInactivityTimeout(s_inactivityTimeoutMs);
        QVERIFY(m_simulator.start());
        QVERIFY(TestEnvironment::writeFile(m_local.filePath(QStringLiteral("Upload me.txt")), "plain text to upload\n"));
    }

    // A fresh portal, the demo user signed in, an empty request log.
    void init()
    {
        QVERIFY(m_simulator.reset());
        m_settings.savePortalAddress(m_simulator.baseUrl());
        m_settings.saveAccessToken(m_simulator.validAccessToken());
        QVERIFY(!m_settings.accessToken().isEmpty());
        QVERIFY(m_simulator.clearRequests());
    }

    void cleanup()
    {
        ReplyTimeout::setInactivityTimeout(s_inactivityTimeoutMs);
        QVERIFY(m_simulator.clearFaults());
        for (const QString &name : cachedDownloads())
            QFile::remove(cacheFolder() + QLatin1Char('/') + name);
        for (const QString &name : localTaskDownloads())
            QFile::remove(m_local.filePath(name));
    }

    void exchanges_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("translated");
        const QList<RequestCase> cases = requestCases(QString());
        for (int i = 0; i < cases.size(); ++i) {
            QTest::addRow("%s", cases[i].name) << i << false;
            // The words of queries and bodies are the portal's, whatever the language.
            if (cases[i].wording != Wording::Task && cases[i].wording != Wording::File)
                QTest::addRow("%s, translated build", cases[i].name) << i << true;
        }
    }

    // What the portal receives, the success map, and a log without secrets, also
    // when the portal answers with secrets in every place.
    void exchanges()
    {
        QFETCH(int, index);
        QFETCH(bool, translated);
        const RequestCase expected = caseAt(index);
        LogCapture log;
        const Given given = prepareFor(expected.need);
        QVERIFY(given.taskId >= 0);
        EverythingTranslated translator;
        if (translated)
            QCoreApplication::installTranslator(&translator);
        const QVariantMap result = run(expected.make(given));
        QCoreApplication::removeTranslator(&translator);

        const QJsonObject query = substituted(expected.query, given);
        const QJsonArray requests = m_simulator.requests();
        QCOMPARE(requests.size(), 1);
        const QJsonObject recorded = requests.first().toObject();
        const QString token = m_settings.accessToken();
        // An undefined value leaves the key out.
        const QJsonObject wire{{"method", recorded.value("method")}, {"path", recorded.value("path")}, {"query", recorded.value("query")},
                               {"authorization", recorded.value("headers").toObject().value("authorization")}};
        const QJsonObject wanted{{"method", expected.method()}, {"path", expected.path()}, {"query", query},
                                 {"authorization", token.isEmpty() ? QJsonValue(QJsonValue::Undefined) : token}};
        QVERIFY2(wire == wanted, qPrintable(compact(wire) + " != " + compact(wanted)));
        const QByteArray body = recorded.value(QStringLiteral("body")).toString().toUtf8();
        const QJsonValue wantedBody = expected.body.isObject() ? substituted(expected.body.toObject(), given) : expected.body;
        const QJsonDocument sent = QJsonDocument::fromJson(body);
        if (!wantedBody.isNull())
            QCOMPARE(sent.isArray() ? QJsonValue(sent.array()) : QJsonValue(sent.object()), wantedBody);
        else if (expected.wording != Wording::File || expected.method() == QLatin1String("GET"))
            QCOMPARE(body, QByteArray());
        if (expected.wording != Wording::Task && expected.wording != Wording::File && !body.isEmpty())
            QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("content-type")).toString(),
                     QStringLiteral("application/json"));

        QStringList secrets{s_planted, QStringLiteral("jwt-"), QStringLiteral("s3cret!"), m_settings.accessToken()};
        if (!expected.successKeys.isEmpty()) {
            const QString keysMismatch = keysAndTypesMismatch(result, expected.successKeys);
            QVERIFY2(keysMismatch.isEmpty(), qPrintable(keysMismatch));
            QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
            for (auto it = result.cbegin(); it != result.cend(); ++it) {
                const QVariant &value = it.value();
                if (it.key() == QLatin1String("error")) {
                    QCOMPARE(value, QVariant(QString()));
                } else if (value.type() == QVariant::String) {
                    // The demo user has no middle name.
                    QVERIFY2(!value.toString().isEmpty() || it.key() == QLatin1String("user_middle_name"), qPrintable(it.key()));
                    // A renewed session has tokens of its own.
                    QVERIFY(given.refresh.isEmpty() || value != given.refresh);
                    if (it.key().endsWith(QLatin1String("_token")))
                        secrets << value.toString();
                    if (it.key().endsWith(QLatin1String("Path")))
                        QVERIFY2(QFileInfo(value.toString()).size() > 0, qPrintable(value.toString()));
                } else if (value.type() == QVariant::Map) {
                    QVERIFY2(!value.toMap().isEmpty(), qPrintable(it.key()));
                } else if (it.key().endsWith(QLatin1String("Id")) || it.key().endsWith(QLatin1String("_id"))) {
                    QVERIFY2(value.toLongLong() > 0, qPrintable(it.key()));
                }
                // Every listed entity arrives as a map of the portal's keys, or as an id.
                for (const QVariant &element : value.toList())
                    QVERIFY(element.type() == QVariant::Int || !element.toMap().isEmpty());
            }
        }

        for (const QJsonValue &answer : secretAnswers()) {
            QVERIFY(m_simulator.setFault(expected.path(), {{"method", expected.method()}, {"status", 200}, {"body", answer}, {"count", 1}}));
            run(expected.make(given));
        }
        secrets << given.access << given.refresh;
        secrets.removeAll(QString());
        QVERIFY(!log.messages().filter(expected.path()).isEmpty());
        for (const QString &line : log.messages()) {
            for (const QString &secret : qAsConst(secrets))
                QVERIFY2(!line.contains(secret), qPrintable(line));
        }
    }

    void failures_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("keys"); // empty: those of the success map

        const QList<RequestCase> cases = requestCases(QString());
        for (int i = 0; i < cases.size(); ++i) {
            // A call the portal refuses anyway has its failure in the wire table.
            if (cases[i].successKeys.isEmpty())
                continue;
            for (const FaultClass &failure : faultClasses()) {
                const QString mode = failure.fault.value(QStringLiteral("mode")).toString();
                if (mode == QLatin1String("malformed") && (cases[i].wording == Wording::ReplyText || cases[i].wording == Wording::File))
                    continue;
                // The account calls do not depend on the session.
                if (failure.fault.contains(QStringLiteral("expire")) && cases[i].wording == Wording::Readable)
                    continue;
                QTest::addRow("%s, %s", cases[i].name, failure.name) << i << failure.fault << failure.error << cases[i].failureKeys;
            }
        }
        // Refusals inside a readable answer, with every key of the success map.
        const auto refusal = [](const char *name, int index, const char *body, const char *error) {
            QTest::newRow(name) << index << QJsonObject{{"status", 200}, {"body", QJsonDocument::fromJson(body).object()}} << error << QString();
        };
        const char *noToken = "The portal did not return an access token.";
        refusal("sign-in, refused in the answer", 0, R"({"Status":403})", "The portal refused the sign-in.");
        refusal("sign-in, empty token", 0, R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":""}}}})", noToken);
        refusal("sign-in, token no text", 0, R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":5}}}})", noToken);
        refusal("refresh, refused without a word", 1, R"({"Status":401})", "The portal refused to renew the session.");
        refusal("refresh, refused with its reason", 1, R"({"Status":401,"Response":{"Data":"Token expired"}})", "Token expired");
        refusal("refresh, no token", 1, R"({"Status":200})", noToken);
    }

    void failures()
    {
        QFETCH(int, index);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, error);
        QFETCH(QString, keys);
        const RequestCase expected = caseAt(index);
        if (keys.isEmpty())
            keys = QString(expected.successKeys).replace(QRegularExpression(QStringLiteral(":\\S+")), QString());
        const Given given = prepareFor(expected.need);
        QVERIFY(given.taskId >= 0);
        fault.insert(QStringLiteral("method"), expected.method());
        QVERIFY(fault.contains(QStringLiteral("expire")) ? m_simulator.expireTokens() : m_simulator.setFault(expected.path(), fault));
        const QString mode = fault.value(QStringLiteral("mode")).toString();
        if (mode == QLatin1String("hang"))
            ReplyTimeout::setInactivityTimeout(250);

        const QVariantMap result = run(expected.make(given));
        QCOMPARE(QStringList(result.keys()).join(' '), keys);
        QVERIFY(!result.value(QStringLiteral("success")).toBool());
        const QString text = result.value(QStringLiteral("error")).toString();
        // The text of an unreadable answer is the same in every wording.
        if (expected.wording == Wording::Handler || expected.wording == Wording::Readable || mode == QLatin1String("hang")
            || mode == QLatin1String("malformed")) {
            QCOMPARE(text, error);
        } else {
            // Qt's words, which carry neither the portal's message nor a status suffix.
            QVERIFY(!text.isEmpty());
            if (expected.wording == Wording::ReplyText)
                QVERIFY2(text != error, qPrintable(text));
        }
        // A failed sign-in hands out no identity.
        QCOMPARE(result.value(QStringLiteral("user_id"), 0).toInt() + result.value(QStringLiteral("access_token")).toString().size(), 0);
        for (const QString &idKey : {QStringLiteral("fileId"), QStringLiteral("folderId")})
            QVERIFY(result.value(idKey, 1).toInt() > 0);
        QCOMPARE(result.value(QStringLiteral("taskId"), given.taskId), QVariant(given.taskId));
        // A failed transfer leaves no file, whole or partial.
        QCOMPARE(cachedDownloads(), QStringList());
        QCOMPARE(localTaskDownloads(), QStringList());
    }

    void oddAnswers_data()
    {
        QTest::addColumn<RequestFactory>("make");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonObject>("fault"); // none: the portal's own state answers
        QTest::addColumn<QVariantMap>("expected");
        const auto row = [](const char *name, const RequestFactory &factory, const char *path, const QJsonObject &fault,
                            const QVariantMap &expected) { QTest::newRow(name) << factory << QString(path) << fault << expected; };
        const auto answer = [](const char *body) { return QJsonObject{{"status", 200}, {"body", QString::fromUtf8(body)}}; };
        const RequestFactory create = make<CreateDocumentRequest>("A.docx", 100);
        const RequestFactory taskStatus = make<UserTaskStatusRequest>(7);
        const QVariantList folder113{113};
        const QVariantMap createdNothing{{"success", true}, {"error", ""}, {"fileId", QVariant()}, {"fileName", QVariant()}, {"ownerId", QVariant()}};
        const QString taskFailure = ServerTask::failureText(NetworkReplyHandler());
        // A task whose state cannot be read is not reported as running.
        const QVariantMap unreadableTask{{"success", false}, {"error", taskFailure}, {"taskId", 7}};

        row("search without documents keeps the folders", make<SearchFoldersAndFilesRequest>("x", 0), "DocumentDirectory/Search",
            answer(R"({"Directory":{"Items":[{"Id":3,"Name":"x"}]}})"),
            {{"success", true}, {"documents", QVariantList()}, {"directories", QVariantList{QVariantMap{{"Id", 3.0}, {"Name", "x"}}}}});
        row("listing with stray scalars", make<GetFoldersRequest>(100), "DocumentDirectory/Get", answer(R"([3,{"Id":7},"x",null])"),
            {{"success", true}, {"error", ""}, {"folders", QVariantList{QVariantMap{{"Id", 7.0}}}}});
        row("document info that is no object", make<GetDocumentInfoRequest>(1001), "Documents", answer("[1,2]"),
            {{"success", true}, {"error", ""}, {"info", QVariantMap()}});
        row("created document not in a list", create, "Documents/Create", answer(R"({"Id":5})"), createdNothing);
        row("created nothing", create, "Documents/Create", answer("[]"), createdNothing);
        row("created document with null owner", create, "Documents/Create", answer(R"([{"Id":5,"OwnerId":null,"Name":"A.docx"}])"),
            {{"success", true}, {"error", ""}, {"fileId", 5}, {"fileName", "A.docx"}, {"ownerId", QVariant()}});
        row("copy task id as text", make<CopyFolderRequest>(Ids{113}, 110, CopyFolderFlags::Copy), "DocumentDirectory/Copy",
            answer(R"({"TaskId":"42"})"), {{"success", true}, {"folderIds", folder113}, {"taskId", 42}});
        row("conflict missing", make<CheckConflictRequest>(110, Ids{113}), "DocumentDirectory/Conflict", answer(R"({"Other":1})"),
            {{"success", true}, {"folderIds", folder113}, {"conflict", false}});
        row("renamed folder reports the requested name", make<RenameFolderRequest>(114, "Pictures"), "DocumentDirectory/Rename",
            answer(R"({"Id":114,"Name":"Something else"})"), {{"success", true}, {"folderId", 114}, {"newFolderName", "Pictures"}, {"error", ""}});
        // The folder share does not read the body.
        row("folder share, unreadable answer", make<ShareFolderRequest>(114, 3, FileAccessType::Write), "DocumentDirectory/Share",
            {{"mode", "malformed"}},
            {{"success", true}, {"folderId", 114}});
        // The workers read a start without "error" as success: one without a task id carries a text.
        row("task start without task id", make<ConvertDocumentToPdfRequest>(1001), "Documents/Convert", answer(R"({"Other":1})"),
            {{"error", taskFailure}});
        row("task id as text", make<ArchiveDirectoryRequest>(110), "DocumentDirectory/Archive", answer(R"({"TaskId":"17"})"),
            {{"success", true}, {"documentId", 110}, {"taskId", 17}});
        row("task status without status", taskStatus, "UserTask", answer(R"({"Percent":50})"), unreadableTask);
        row("task status not a number", taskStatus, "UserTask", answer(R"({"Status":"busy"})"), unreadableTask);
        row("task status true", taskStatus, "UserTask", answer("true"), unreadableTask);
        // Fields the portal leaves out stay empty; ids sent as numbers read as text.
        row("document link with fields left out",
            make<GetDocumentLinkRequest>(1001, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Document), "Link/Generate",
            answer(R"({"Link":"l","UserId":7})"),
            {{"success", true}, {"error", ""}, {"link", "l"}, {"uri", ""}, {"uid", ""}, {"jwt", ""}, {"userId", "7"}, {"version", 0}});
        row("folder link with fields left out",
            make<GetFolderLinkRequest>(114, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory), "Link/Generate",
            answer(R"({"Link":"l","UserId":7})"), {{"success", true}, {"link", "l"}, {"uri", ""}, {"uid", ""}});

        // What the portal's own state refuses.
        const QString login = SimulatorProcess::s_demoLogin;
        row("wrong password", make<AuthRequest>(login, "wrong"), "", {}, {{"error", s_unauthorized}});
        row("refresh token not issued", [](const Given &g) { return new RefreshTokenRequest(g.access, "not-issued", QString()); }, "", {},
            {{"success", false}, {"error", s_unauthorized}});
        row("register an existing user", make<UserRegisterRequest>(login, "x", "A", "B"), "", {},
            {{"success", false}, {"error", "User already exists. Error 409."}});
        row("forgot password of nobody", make<ForgotPasswordRequest>("nobody@vellix.local"), "", {},
            {{"success", false}, {"error", "User not found. Error 404."}, {"data", QVariantMap{{"Data", "User not found"}}}});
        // Restoring a file that is no longer in the trash is refused, and the ids still come back.
        row("restore of a file not in the trash", make<RestoreFileRequest>(Ids{1001}, 100), "", {},
            {{"fileIds", QVariantList{1001}}, {"error", "Document 1001 is not in the trash. Error 400."}});
        row("support without a text", make<SupportRequest>(SupportRequest::SupportData{QString(), "me@vellix.local", "Empty", "  "}), "", {},
            {{"success", false}, {"error", "The feedback text is empty. Error 400."}});
    }

    void oddAnswers()
    {
        QFETCH(RequestFactory, make);
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QVariantMap, expected);
        if (!fault.isEmpty())
            QVERIFY(m_simulator.setFault("/api/v1/" + path, fault));

        const QVariantMap result = run(make(prepareFor(Need::None)));
        const QByteArray shown = QJsonDocument(QJsonObject::fromVariantMap(result)).toJson(QJsonDocument::Compact);
        QVERIFY2(result == expected, shown.constData());
    }

    // A task reads as running until it ends; one that fails reads so, after the steps it takes.
    void failingTaskStatusSequence()
    {
        QVERIFY(m_simulator.setTaskSteps(3));
        QVERIFY(m_simulator.failNextTasks(1));
        const QVariantMap started = run(new ConvertDocumentToPdfRequest(1001));
        QCOMPARE(started.value(QStringLiteral("documentId")), QVariant(1001));
        const int taskId = started.value(QStringLiteral("taskId")).toInt();
        QVERIFY(taskId > 0);

        QList<int> statuses;
        while (statuses.size() < 10) {
            const QVariantMap result = run(new UserTaskStatusRequest(taskId));
            QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
            QCOMPARE(result.value(QStringLiteral("taskId")), QVariant(taskId));
            statuses << result.value(QStringLiteral("status")).toInt();
            if (statuses.last() == ServerTask::Complete || statuses.last() == ServerTask::Failed)
                break;
            QVERIFY(result.value(QStringLiteral("percent")).toDouble() < 100);
        }
        QCOMPARE(statuses.size(), 3);
        QCOMPARE(statuses.last(), int(ServerTask::Failed));
    }

    void largeFileRoundTrip()
    {
        const QString name = QStringLiteral("Large scan.pdf");
        const QString localPath = m_local.filePath(name);
        QVERIFY(writePattern(localPath, s_largeFileSize));

        auto *upload = new UploadDocumentRequest(localPath, 100);
        QList<qint64> sent;
        qint64 uploadTotal = 0;
        connect(upload, &UploadDocumentRequest::progress, this, [&](qint64 bytes, qint64 total) {
            sent << bytes;
            uploadTotal = total;
        });
        QCOMPARE(run(upload), (QVariantMap{{"success", true}, {"documentName", name}}));
        QVERIFY(!sent.isEmpty() && std::is_sorted(sent.cbegin(), sent.cend()));
        QVERIFY(uploadTotal > s_largeFileSize);
        QCOMPARE(sent.last(), uploadTotal);

        const int documentId = documentIdNamed(name);
        QVERIFY(documentId > 0);
        // The portal sends the file a megabyte at a time, so the transfer is still
        // going when the second megabyte is reported.
        QVERIFY(m_simulator.setFault("/api/v1/Documents/Download",
                                     {{"mode", "paced"}, {"chunkBytes", 1024 * 1024}, {"delayMs", 150}, {"count", 1}}));
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
        QVERIFY(TestEnvironment::readFile(downloaded) == TestEnvironment::readFile(localPath));
        QVERIFY(std::is_sorted(received.cbegin(), received.cend()));
        QCOMPARE(received.last(), qint64(s_largeFileSize));
        // The file was on disk and growing before the transfer had ended.
        QVERIFY2(largestPartialFile > 0 && largestPartialFile < s_largeFileSize, qPrintable(QString::number(largestPartialFile)));
    }

    // The portal sends the document's name with the bytes; it never reaches the path,
    // and every download gets a file of its own.
    void downloadsGetTheirOwnFiles()
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

    void unwritableDownloadLeavesNothing_data()
    {
        QTest::addColumn<RequestFactory>("make");
        QTest::addColumn<bool>("isTask");
        QTest::addColumn<bool>("diskFull"); // else the folder is missing, and nothing is fetched that could not be kept
        QTest::newRow("document") << make<DownloadDocumentRequest>(1001, false, false) << false << true;
        const QString folder = m_local.path();
        QTest::newRow("task result") << RequestFactory([folder](const Given &g) { return new UserTaskDownloadRequest(g.taskId, folder); })
                                     << true << true;
        const QString missing = m_local.filePath(QStringLiteral("gone/"));
        QTest::newRow("task result into a missing folder")
            << RequestFactory([missing](const Given &g) { return new UserTaskDownloadRequest(g.taskId, missing); }) << true << false;
    }

    void unwritableDownloadLeavesNothing()
    {
        QFETCH(RequestFactory, make);
        QFETCH(bool, isTask);
        QFETCH(bool, diskFull);
        const Given given = prepareFor(isTask ? Need::CompleteTask : Need::None);
        QVERIFY(given.taskId >= 0);
        QVariantMap result;
        {
            // As a full disk would: the first bytes go, the rest cannot.
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(16);
            QVERIFY(!limit || limit->isActive());
            result = run(make(given));
        }
        QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "Error write downloaded file"}}));
        QCOMPARE(cachedDownloads(), QStringList());
        QCOMPARE(localTaskDownloads(), QStringList());
        QCOMPARE(m_simulator.requests().isEmpty(), !diskFull);
    }

    void taskDownloadReplacesLeftover()
    {
        const int taskId = prepareFor(Need::CompleteTask).taskId;
        QVERIFY(taskId > 0);
        const QString expected = m_local.filePath(QStringLiteral("%1.vellixdownload").arg(taskId));
        QVERIFY(TestEnvironment::writeFile(expected, "an earlier, broken attempt"));

        // One trailing slash of the folder does not double the separator.
        const QVariantMap result = run(new UserTaskDownloadRequest(taskId, m_local.path() + QLatin1Char('/')));
        QCOMPARE(result.value(QStringLiteral("taskDownloadPath")).toString(), expected);
        QCOMPARE(TestEnvironment::readFile(expected).left(2), QByteArray("PK"));
    }

    void uploadPartHeader_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("partHeader");
        QTest::addColumn<QString>("portalName");
        QTest::newRow("media type of the name") << QStringLiteral("Sheet.final.xlsx")
                                                << QByteArray("filename=\"Sheet.final.xlsx\"\r\nContent-Type: "
                                                              "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")
                                                << QStringLiteral("Sheet.final.xlsx");
        // ".txt" has no media type, so no Content-Type goes; the name stays on one line inside its quotes.
        QTest::newRow("quotes and line breaks") << QStringLiteral("Say \"hi\"\r\nX-Injected: 1.txt")
                                                << QByteArray("filename=\"Say \\\"hi\\\"X-Injected: 1.txt\"")
                                                << QStringLiteral("Say \"hi\"X-Injected: 1.txt");
        // The portal keeps what follows a backslash; the quote after it survives.
        QTest::newRow("backslash before a quote") << QStringLiteral("end\\\"quote.txt")
                                                  << QByteArray("filename=\"end\\\\\\\"quote.txt\"") << QStringLiteral("\"quote.txt");
    }

    void uploadPartHeader()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, partHeader);
        QFETCH(QString, portalName);
        const QString path = m_local.filePath(name);
        QVERIFY(writePattern(path, 1000));
        QCOMPARE(run(new UploadDocumentRequest(path, 100)), (QVariantMap{{"success", true}, {"documentName", name}}));

        const QJsonObject recorded = m_simulator.requests().first().toObject();
        const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
        QCOMPARE(headers.value(QStringLiteral("directoryid")).toString(), QStringLiteral("100"));
        QCOMPARE(headers.value(QStringLiteral("accept-encoding")).toString(), QStringLiteral("gzip, deflate, br"));
        QCOMPARE(headers.value(QStringLiteral("content-type")).toString(),
                 QStringLiteral("multipart/form-data; boundary=\"----WebKitFormBoundarylCadDvTpmB9OjqQh\""));
        const QByteArray body = QByteArray::fromBase64(recorded.value(QStringLiteral("bodyBase64")).toString().toLatin1());
        QCOMPARE(body, "------WebKitFormBoundarylCadDvTpmB9OjqQh\r\nContent-Disposition: form-data; name=\"\"; " + partHeader
                     + "\r\n\r\n" + TestEnvironment::readFile(path) + "\r\n------WebKitFormBoundarylCadDvTpmB9OjqQh--\r\n");
        // The portal reads the name back as it was meant.
        QVERIFY(documentIdNamed(portalName) > 0);
    }

    void uploadFailures()
    {
        const QString path = m_local.filePath(QStringLiteral("Upload me.txt"));
        QVariantMap result = run(new UploadDocumentRequest(m_local.filePath(QStringLiteral("missing.txt")), 100));
        QCOMPARE(result, (QVariantMap{{"success", false}, {"error", "error open file"}}));
        QCOMPARE(m_simulator.requests().size(), 0);

        // Both replies fail after they started: one start, one result.
        for (const QString &address : {QStringLiteral("nosuchscheme://portal"), QStringLiteral("http://127.0.0.1:1")}) {
            m_settings.savePortalAddress(address);
            auto *request = new UploadDocumentRequest(path, 100);
            QSignalSpy started(request, &UploadDocumentRequest::uploadStarted);
            result = run(request);
            QCOMPARE(started.count(), 1);
            QCOMPARE(result.value(QStringLiteral("documentName")), QVariant(QStringLiteral("Upload me.txt")));
            QVERIFY2(!result.value(QStringLiteral("error")).toString().isEmpty(), qPrintable(address));
            QVERIFY(!result.contains(QStringLiteral("success")));
        }
    }

    void namesSurviveRenameAndSearch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("Quarterly report  2024.txt");
        QTest::newRow("percent") << QStringLiteral("100% done %41.txt");
        QTest::newRow("plus") << QStringLiteral("C++ notes+more.txt");
        QTest::newRow("non-ASCII") << QStringLiteral("Отчёт über Ästhetik.txt");
        QTest::newRow("emoji") << QStringLiteral("Party 🎉 plan.txt");
        QTest::newRow("query look-alike") << QStringLiteral("a?id=5&name=x #top.txt");
    }

    void namesSurviveRenameAndSearch()
    {
        QFETCH(QString, name);
        const auto lastQuery = [this] {
            return m_simulator.requests().last().toObject().value(QStringLiteral("query")).toObject();
        };

        QVariantMap result = run(new RenameFileRequest(1005, name));
        QCOMPARE(result.value(QStringLiteral("newFileName")).toString(), name);
        // Nothing of the name may read as a delimiter of the query.
        const QString target = m_simulator.requests().last().toObject().value(QStringLiteral("target")).toString();
        QCOMPARE(target.count(QLatin1Char('&')), 1);
        QVERIFY2(!target.contains(QLatin1Char('#')) && !target.contains(QLatin1Char(' ')), qPrintable(target));
        result = run(new RenameFolderRequest(114, name));
        QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
        QCOMPARE(lastQuery().value(QStringLiteral("name")).toString(), name);

        QVERIFY(namesOf(run(new GetDocumentsRequest(100)).value(QStringLiteral("documents")).toList()).contains(name));
        QVERIFY(namesOf(run(new GetFoldersRequest(100)).value(QStringLiteral("folders")).toList()).contains(name));
        result = run(new SearchFoldersAndFilesRequest(name, 100));
        QCOMPARE(namesOf(result.value(QStringLiteral("documents")).toList()), QStringList{name});
        QCOMPARE(namesOf(result.value(QStringLiteral("directories")).toList()), QStringList{name});
        QCOMPARE(lastQuery(), (QJsonObject{{"text", name}, {"id", "100"}}));
    }

    void linkFieldsReachTheResult()
    {
        const QVariantMap document =
            run(new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Document));
        const QString uid = document.value(QStringLiteral("uid")).toString();
        QCOMPARE(document.value(QStringLiteral("link")).toString(), m_simulator.baseUrl() + "/link/" + uid);
        QCOMPARE(document.value(QStringLiteral("uri")).toString(), m_simulator.baseUrl() + "/s/" + uid);
        QCOMPARE(document.value(QStringLiteral("jwt")).toString(), "jwt-" + uid);
        QCOMPARE(document.value(QStringLiteral("userId")).toString(), QStringLiteral("1"));
        QCOMPARE(document.value(QStringLiteral("version")).toInt(), 1);

        // The share information lists the generated link.
        QStringList uids;
        for (const QVariant &link : run(new GetEntityShareInfoRequest(1001, EntityTypes::Document)).value(QStringLiteral("links")).toList())
            uids << link.toMap().value(QStringLiteral("Uid")).toString();
        QVERIFY2(uids.contains(uid), qPrintable(uids.join(',')));
    }

    void editRightsCarryTheWholeReply()
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
};

VELLIX_TEST_MAIN(TestPortalRequests, QCoreApplication)

#include "tst_portalrequests.moc"
