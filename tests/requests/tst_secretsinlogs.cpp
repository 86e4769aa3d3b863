#include "editor/editrightsrequestv2.h"
#include "editor/getdocumentlinkrequest.h"
#include "logcapture.h"
#include "portalsuite.h"
#include "requests/addfavoriterequest.h"
#include "requests/archivedirectoryrequest.h"
#include "requests/authrequest.h"
#include "requests/checkconflictrequest.h"
#include "requests/clearfavoritesrequest.h"
#include "requests/clearfolderrequest.h"
#include "requests/convertdocumenttopdfrequest.h"
#include "requests/copyfilerequest.h"
#include "requests/copyfolderrequest.h"
#include "requests/createdocumentrequest.h"
#include "requests/createfolderrequest.h"
#include "requests/deletefavoriterequest.h"
#include "requests/deletefolderrequest.h"
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
#include "requests/restorefilerequest.h"
#include "requests/restorefolderrequest.h"
#include "requests/searchfoldersandfilesrequest.h"
#include "requests/searchusersrequest.h"
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
#include "testenvironment.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using RequestFactory = std::function<RequestInterface *()>;
Q_DECLARE_METATYPE(RequestFactory)

namespace {

// Every secret planted in an answer starts with this; the simulator's own
// editor and link tokens start with "jwt-".
const QString s_planted = QStringLiteral("s3cr3t");
const QString s_password = s_planted + QStringLiteral("-password");
const QString s_vaultLogin = QStringLiteral("vault@vellix.local");

QString planted(int n)
{
    return s_planted + QLatin1Char('-') + QString::number(n);
}

// An answer with secrets wherever some request reads or logs a reply.
QJsonObject secretObject()
{
    const QJsonObject tokens{{"AuthToken", planted(1)}, {"RefreshToken", planted(2)}};
    return {
        {"Status", 200},
        {"TaskId", 7},
        {"Token", planted(3)},
        {"Password", planted(4)},
        {"Jwt", planted(5)},
        {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}, {"User", QJsonObject{{"Id", 1}, {"UserPassword", planted(6)}}}}}}},
        {"Link", QJsonObject{{"Payload", QJsonObject{{"token", planted(7)}, {"type", "mobile"}}}}},
        {"Items", QJsonArray{QJsonObject{{"Id", 1}, {"Name", "a"}, {"access_token", planted(8)}}}},
        {"Directory", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 2}, {"refresh_token", planted(9)}}}}}},
        {"Document", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 3}, {"Authorization", planted(10)}}}}}},
        {"DocumentServer", QJsonObject{{"Url", "http://127.0.0.1:1"}, {"Token", planted(11)}}},
    };
}

QJsonArray secretArray()
{
    return {QJsonObject{{"Id", 4}, {"OwnerId", 1}, {"Name", "b"}, {"Jwt", planted(12)},
                        {"Children", QJsonArray{QJsonObject{{"Id", 5}, {"Password", planted(13)}}}}}};
}

UserOrRoleEntity principal(int id)
{
    UserOrRoleEntity entity;
    entity.id = id;
    entity.access = DocumentLink::Read;
    return entity;
}

} // namespace

class TestSecretsInLogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyRequestKeepsSecretsOutOfTheLog_data();
    void everyRequestKeepsSecretsOutOfTheLog();

private:
    QVariantMap run(RequestInterface *request);

    PortalSuite m_portal;
    QTemporaryDir m_folder;
    QString m_upload;
    // Tokens the portal handed out during the run, which no line may show.
    QStringList m_issued;
};

void TestSecretsInLogs::initTestCase()
{
    QVERIFY(m_portal.start());
    QVERIFY(m_portal.prepare());
    m_issued << m_portal.settings().accessToken();
    m_upload = m_folder.filePath(QStringLiteral("upload.txt"));
    QFile upload(m_upload);
    QVERIFY(upload.open(QIODevice::WriteOnly) && upload.write("text") == 4);
}

void TestSecretsInLogs::cleanup()
{
    QVERIFY(m_portal.tidyUp());
}

QVariantMap TestSecretsInLogs::run(RequestInterface *request)
{
    const QVariantMap result = m_portal.run(request);
    for (const char *key : {"access_token", "refresh_token"}) {
        const QString token = result.value(QLatin1String(key)).toString();
        if (!token.isEmpty())
            m_issued << token;
    }
    return result;
}

void TestSecretsInLogs::everyRequestKeepsSecretsOutOfTheLog_data()
{
    QTest::addColumn<RequestFactory>("make");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");

    const QString v1 = QStringLiteral("/api/v1/");
    const QString v2 = QStringLiteral("/api/v2/");
    const auto row = [](const char *name, const RequestFactory &make, const char *method, const QString &path) {
        QTest::newRow(name) << make << QString::fromLatin1(method) << path;
    };
    // The account rows come first: a real sign-in and refresh put real tokens into the answers.
    row("register", [] { return new UserRegisterRequest(s_vaultLogin, s_password, "Vault", "Keeper"); }, "POST",
        v2 + "auth/register");
    row("sign-in", [] { return new AuthRequest(s_vaultLogin, s_password); }, "POST", v2 + "auth/login");
    row("refresh", [this] { return new RefreshTokenRequest(m_issued.value(1), m_issued.value(2), QString()); }, "POST",
        v2 + "auth/refresh");
    row("forgot password", [] { return new ForgotPasswordRequest(s_vaultLogin); }, "POST", v2 + "auth/Forgot");
    row("server settings", [] { return new GetServerSettingsRequest; }, "GET", v1 + "Settings");
    row("support", [] { return new SupportRequest({QString(), s_vaultLogin, "Subject", "Text"}); }, "POST",
        v1 + "Support/Feedback");

    row("folders", [] { return new GetFoldersRequest(100); }, "GET", v1 + "DocumentDirectory/Get");
    row("documents", [] { return new GetDocumentsRequest(100); }, "POST", v1 + "DocumentDirectory/GetDocuments");
    row("search", [] { return new SearchFoldersAndFilesRequest("o", 0); }, "GET", v1 + "DocumentDirectory/Search");
    row("document info", [] { return new GetDocumentInfoRequest(1001); }, "GET", v1 + "Documents");
    row("users", [] { return new GetUsersInfoRequest({1, 2}); }, "POST", v1 + "User/get");

    row("create document", [] { return new CreateDocumentRequest("Plan.docx", 100); }, "POST",
        v1 + "Documents/Create");
    row("create folder", [] { return new CreateFolderRequest("Plans", 100, false); }, "POST",
        v1 + "DocumentDirectory/AddSubDirectory");
    row("rename file", [] { return new RenameFileRequest(1005, "Memo.txt"); }, "GET", v1 + "Documents/Rename");
    row("rename folder", [] { return new RenameFolderRequest(114, "Pictures"); }, "GET",
        v1 + "DocumentDirectory/Rename");
    row("move files", [] { return new MoveFileRequest({1004}, 110); }, "POST", v1 + "Documents/Move");
    row("copy files", [] { return new CopyFileRequest({1002}, 110); }, "POST", v1 + "Documents/Copy");
    row("move folders", [] { return new MoveFolderRequest({112}, 113, CopyFolderFlags::Copy); }, "POST",
        v1 + "DocumentDirectory/Move");
    row("copy folders", [] { return new CopyFolderRequest({113}, 110, CopyFolderFlags::Copy); }, "POST",
        v1 + "DocumentDirectory/Copy");
    row("restore folders", [] { return new RestoreFolderRequest({120}, 100, CopyFolderFlags::Copy); }, "POST",
        v1 + "DocumentDirectory/Restore");
    row("restore files", [] { return new RestoreFileRequest({1051}, 100); }, "POST", v1 + "Documents/Restore");
    row("files to trash", [] { return new MoveToTrashFileRequest({1003}); }, "POST", v1 + "Documents/Delete");
    row("delete folders", [] { return new DeleteFolderRequest({111}); }, "POST", v1 + "DocumentDirectory/Delete");
    row("clear folder", [] { return new ClearFolderRequest(105); }, "GET", v1 + "DocumentDirectory/Clear");
    row("add favorite", [] { return new AddFavoriteRequest(1005); }, "POST", v1 + "Favorites/Add");
    row("delete favorites", [] { return new DeleteFavoriteRequest({1005}); }, "POST", v1 + "Favorites/Delete");
    row("clear favorites", [] { return new ClearFavoritesRequest; }, "DELETE", v1 + "Favorites/Delete");
    row("check conflict", [] { return new CheckConflictRequest(110, {113}); }, "POST",
        v1 + "DocumentDirectory/Conflict");

    row("download", [] { return new DownloadDocumentRequest(1005, false, false); }, "GET",
        v1 + "Documents/Download");
    row("upload", [this] { return new UploadDocumentRequest(m_upload, 100); }, "POST", v1 + "Documents/Upload");
    row("convert", [] { return new ConvertDocumentToPdfRequest(1001); }, "GET", v1 + "Documents/Convert");
    row("archive", [] { return new ArchiveDirectoryRequest(110); }, "GET", v1 + "DocumentDirectory/Archive");
    row("task status", [] { return new UserTaskStatusRequest(1); }, "GET", v1 + "UserTask");
    row("task download", [this] { return new UserTaskDownloadRequest(1, m_folder.path()); }, "GET",
        v1 + "UserTask/Download");

    row("share file", [] { return new ShareFileRequest(1002, 2, FileAccessType::Read); }, "POST",
        v1 + "Documents/Share");
    row("unshare file", [] { return new UnShareFileRequest(1001, 2, FileAccessType::Read); }, "POST",
        v1 + "Documents/UnShare");
    row("share folder", [] { return new ShareFolderRequest(114, 3, FileAccessType::Read); }, "POST",
        v1 + "DocumentDirectory/Share");
    row("unshare folder", [] { return new UnShareFolderRequest(113, 2, FileAccessType::Read); }, "POST",
        v1 + "DocumentDirectory/UnShare");
    row("share document in bulk", [] { return new ShareDocumentBulkRequest(1002, {principal(2)}, {principal(1)}); },
        "POST", v1 + "Documents/ShareBulk");
    row("unshare document in bulk", [] { return new UnShareDocumentBulkRequest(1002, {principal(2)}, {}); }, "POST",
        v1 + "Documents/UnShareBulk");
    row("share folder in bulk", [] { return new ShareFolderBulkRequest(114, {principal(2)}, {}); }, "POST",
        v1 + "DocumentDirectory/ShareBulk");
    row("unshare folder in bulk", [] { return new UnShareFolderBulkRequest(114, {principal(2)}, {}); }, "POST",
        v1 + "DocumentDirectory/UnShareBulk");
    row("share info", [] { return new GetEntityShareInfoRequest(1001, EntityTypes::Document); }, "GET", v1 + "Share");
    row("roles", [] { return new GetCustomerRolesRequest; }, "GET", v1 + "Role");
    row("search users", [] { return new SearchUsersRequest("anna"); }, "POST", v1 + "User/Search");
    row("document link", [] {
        return new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Document);
    }, "GET", v1 + "Link/Generate");
    row("folder link", [] {
        return new GetFolderLinkRequest(114, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
    }, "GET", v1 + "Link/Generate");
    row("edit rights", [] { return new EditRightsRequestV2(1001, QString()); }, "GET", v1 + "Documents/EditRights");
}

void TestSecretsInLogs::everyRequestKeepsSecretsOutOfTheLog()
{
    QFETCH(RequestFactory, make);
    QFETCH(QString, method);
    QFETCH(QString, path);
    LogCapture log;
    // The portal's own answer, then the same call answered with secrets in every place.
    run(make());
    for (const QJsonValue &body : {QJsonValue(secretObject()), QJsonValue(secretArray())}) {
        QVERIFY(m_portal.simulator().setFault(path, {{"method", method}, {"status", 200}, {"body", body}, {"count", 1}}));
        run(make());
    }
    const QStringList lines = log.lines();
    for (const QString &secret : QStringList{s_planted, QStringLiteral("jwt-")} + m_issued) {
        for (const QString &line : lines)
            QVERIFY2(!line.contains(secret), qPrintable(line));
    }
}

VELLIX_TEST_MAIN(TestSecretsInLogs, QCoreApplication)
#include "tst_secretsinlogs.moc"
