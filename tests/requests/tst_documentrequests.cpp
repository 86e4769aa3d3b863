#include "logcapture.h"
#include "portalfaults.h"
#include "requestrunner.h"
#include "app/coreinit.h"
#include "requests/addfavoriterequest.h"
#include "requests/checkconflictrequest.h"
#include "requests/clearfavoritesrequest.h"
#include "requests/clearfolderrequest.h"
#include "requests/copyfilerequest.h"
#include "requests/copyfolderflags.h"
#include "requests/copyfolderrequest.h"
#include "requests/createdocumentrequest.h"
#include "requests/createfolderrequest.h"
#include "requests/deletefavoriterequest.h"
#include "requests/deletefolderrequest.h"
#include "requests/getdocumentinforequest.h"
#include "requests/getdocumentsrequest.h"
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
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTranslator>
#include <QtTest>

#include <functional>

using RequestFactory = std::function<RequestInterface *()>;
Q_DECLARE_METATYPE(RequestFactory)

namespace {

using Flags = CopyFolderFlags::Flags;

// One request of the listing and operation families with what the portal
// must receive and what the result map must hold.
struct RequestCase
{
    const char *name;
    RequestFactory make;
    QString method;
    QString path;
    QJsonObject query;
    QJsonObject body; // empty: no body at all
    QString sendingLine;
    // "key:type ..." of the success map
    QString successKeys;
    QStringList failureKeys;
};

const QStringList s_errorOnly{"error"};
const QStringList s_successAndError{"error", "success"};

QList<RequestCase> requestCases()
{
    const QString v1 = QStringLiteral("/api/v1/");
    return {
        {"folders of a folder", [] { return new GetFoldersRequest(100); }, "GET", v1 + "DocumentDirectory/Get",
         {{"id", "100"}}, {}, "Sending request 'GET /api/v1/DocumentDirectory/Get?id=100'",
         "error:QString folders:QVariantList success:bool", s_errorOnly},
        {"folders of the top level", [] { return new GetFoldersRequest(0); }, "GET", v1 + "DocumentDirectory/Get", {},
         {}, "Sending request 'GET /api/v1/DocumentDirectory/Get'", "error:QString folders:QVariantList success:bool",
         s_errorOnly},
        {"documents of a folder", [] { return new GetDocumentsRequest(100); }, "POST",
         v1 + "DocumentDirectory/GetDocuments", {}, {{"Ids", QJsonArray{100}}},
         "Sending request 'POST /api/v1/DocumentDirectory/GetDocuments'",
         "documents:QVariantList error:QString success:bool", s_errorOnly},
        {"search everywhere", [] { return new SearchFoldersAndFilesRequest(QStringLiteral("report"), 0); }, "GET",
         v1 + "DocumentDirectory/Search", {{"text", "report"}}, {},
         "Sending request GET /api/v1/DocumentDirectory/Search?text=report",
         "directories:QVariantList documents:QVariantList success:bool", s_successAndError},
        {"search in a folder", [] { return new SearchFoldersAndFilesRequest(QStringLiteral("report"), 12); }, "GET",
         v1 + "DocumentDirectory/Search", {{"text", "report"}, {"id", "12"}}, {},
         "Sending request GET /api/v1/DocumentDirectory/Search?text=report&id=12",
         "directories:QVariantList documents:QVariantList success:bool", s_successAndError},
        {"document info", [] { return new GetDocumentInfoRequest(1001); }, "GET", v1 + "Documents", {{"Id", "1001"}},
         {}, "Sending request GET /api/v1/Documents?Id=1001", "error:QString info:QVariantMap success:bool",
         s_successAndError},
        {"users", [] { return new GetUsersInfoRequest({1, QStringLiteral("2")}); }, "POST", v1 + "User/get", {},
         {{"Ids", QJsonArray{1, 2}}}, "Sending request POST /api/v1/User/get",
         "error:QString success:bool users:QVariantList", s_errorOnly},
        {"create document", [] { return new CreateDocumentRequest(QStringLiteral("Plan.docx"), 100); }, "POST",
         v1 + "Documents/Create", {}, {{"DirectoryId", 100}, {"Name", "Plan.docx"}},
         "Sending request POST /api/v1/Documents/Create",
         "error:QString fileId:qlonglong fileName:QString ownerId:qlonglong success:bool", s_successAndError},
        {"create folder", [] { return new CreateFolderRequest(QStringLiteral("Plans"), 100, false); }, "POST",
         v1 + "DocumentDirectory/AddSubDirectory", {},
         {{"Name", "Plans"}, {"Description", ""}, {"Order", 100}, {"Type", "Default"}, {"IconId", ""},
          {"RoleIds", ""}, {"UserIds", ""}, {"ParentId", 100}},
         "Sending request POST /api/v1/DocumentDirectory/AddSubDirectory",
         "error:QString folderId:qlonglong folderName:QString success:bool", s_successAndError},
        {"create public folder", [] { return new CreateFolderRequest(QStringLiteral("Open"), 100, true); }, "POST",
         v1 + "DocumentDirectory/AddSubDirectory", {},
         {{"Name", "Open"}, {"Description", ""}, {"Order", 100}, {"Type", "Public"}, {"IconId", ""},
          {"RoleIds", ""}, {"UserIds", ""}, {"ParentId", 100}},
         "Sending request POST /api/v1/DocumentDirectory/AddSubDirectory",
         "error:QString folderId:qlonglong folderName:QString success:bool", s_successAndError},
        {"rename file", [] { return new RenameFileRequest(1005, QStringLiteral("Memo.txt")); }, "GET",
         v1 + "Documents/Rename", {{"id", "1005"}, {"name", "Memo.txt"}}, {},
         "Sending request GET /api/v1/Documents/Rename?id=1005&name=Memo.txt",
         "error:QString newFileName:QString success:bool", s_successAndError},
        {"rename folder", [] { return new RenameFolderRequest(114, QStringLiteral("Pictures")); }, "GET",
         v1 + "DocumentDirectory/Rename", {{"id", "114"}, {"name", "Pictures"}}, {},
         "Sending request GET /api/v1/DocumentDirectory/Rename?id=114&name=Pictures",
         "error:QString folderId:int newFolderName:QString success:bool", {"error", "folderId", "success"}},
        {"move files", [] { return new MoveFileRequest({1005, 1004}, 110); }, "POST", v1 + "Documents/Move", {},
         {{"Ids", QJsonArray{1005, 1004}}, {"ToDirectoryId", 110}}, "Sending request POST /api/v1/Documents/Move",
         "success:bool", s_errorOnly},
        {"copy files", [] { return new CopyFileRequest({1002}, 110); }, "POST", v1 + "Documents/Copy", {},
         {{"Ids", QJsonArray{1002}}, {"ToDirectoryId", 110}}, "Sending request POST /api/v1/Documents/Copy",
         "copiedFiles:QVariantList error:QString success:bool", s_successAndError},
        {"move folders", [] { return new MoveFolderRequest({114}, 110, CopyFolderFlags::Skip); }, "POST",
         v1 + "DocumentDirectory/Move", {}, {{"Ids", QJsonArray{114}}, {"ToDirectoryId", 110}, {"Rule", "Skip"}},
         "Sending request POST /api/v1/DocumentDirectory/Move", "folderIds:QVariantList success:bool taskId:qlonglong",
         s_successAndError},
        {"copy folders", [] { return new CopyFolderRequest({113, 114}, 110, CopyFolderFlags::Copy); }, "POST",
         v1 + "DocumentDirectory/Copy", {},
         {{"Ids", QJsonArray{113, 114}}, {"ToDirectoryId", 110}, {"Rule", "Copy"}},
         "Sending request POST /api/v1/DocumentDirectory/Copy", "folderIds:QVariantList success:bool taskId:int",
         s_successAndError},
        {"copy folders, rule out of range", [] { return new CopyFolderRequest({113}, 110, static_cast<Flags>(7)); },
         "POST", v1 + "DocumentDirectory/Copy", {}, {{"Ids", QJsonArray{113}}, {"ToDirectoryId", 110}, {"Rule", ""}},
         "Sending request POST /api/v1/DocumentDirectory/Copy", QString(), s_successAndError},
        {"restore folders", [] { return new RestoreFolderRequest({120}, 100, CopyFolderFlags::Overwrite); }, "POST",
         v1 + "DocumentDirectory/Restore", {},
         {{"Ids", QJsonArray{120}}, {"ToDirectoryId", 100}, {"Rule", "Overwrite"}},
         "Sending request POST /api/v1/DocumentDirectory/Restore", "folderIds:QVariantList success:bool",
         {"error", "folderIds"}},
        {"restore files", [] { return new RestoreFileRequest({1051}, 100); }, "POST", v1 + "Documents/Restore", {},
         {{"Ids", QJsonArray{1051}}, {"ToDirectoryId", 100}}, "Sending request POST /api/v1/Documents/Restore",
         "fileIds:QVariantList success:bool", {"error", "fileIds"}},
        {"delete folders", [] { return new DeleteFolderRequest({114, 113}); }, "POST",
         v1 + "DocumentDirectory/Delete", {}, {{"Ids", QJsonArray{114, 113}}},
         "Sending request POST /api/v1/DocumentDirectory/Delete", "error:QString success:bool taskId:int",
         s_successAndError},
        {"files to trash", [] { return new MoveToTrashFileRequest({1005}); }, "POST", v1 + "Documents/Delete", {},
         {{"Ids", QJsonArray{1005}}}, "Sending request POST /api/v1/Documents/Delete",
         "fileIds:QVariantList success:bool", {"error", "fileIds"}},
        {"clear folder", [] { return new ClearFolderRequest(105); }, "GET", v1 + "DocumentDirectory/Clear",
         {{"id", "105"}}, {}, "Sending request GET /api/v1/DocumentDirectory/Clear?id=105",
         "folderId:int success:bool taskId:int", s_successAndError},
        {"add favorite", [] { return new AddFavoriteRequest(1004); }, "POST", v1 + "Favorites/Add", {},
         {{"EntityIds", QJsonArray{1004}}, {"Type", "Document"}}, "Sending request 'POST /api/v1/Favorites/Add'",
         "error:QString success:bool", s_errorOnly},
        {"delete favorites", [] { return new DeleteFavoriteRequest({1002, 1003}); }, "POST",
         v1 + "Favorites/Delete", {}, {{"EntityIds", QJsonArray{1002, 1003}}, {"Type", "Document"}},
         "Sending request 'POST /api/v1/Favorites/Delete'", "error:QString success:bool", s_errorOnly},
        {"clear favorites", [] { return new ClearFavoritesRequest(); }, "DELETE", v1 + "Favorites/Delete",
         {{"type", "Document"}}, {}, "Sending request 'DELETE /api/v1/Favorites/Delete?type=Document'",
         "error:QString success:bool", s_errorOnly},
        {"check conflict", [] { return new CheckConflictRequest(110, {113}); }, "POST",
         v1 + "DocumentDirectory/Conflict", {}, {{"ToDirectoryId", 110}, {"Ids", QJsonArray{113}}},
         "Sending request POST /api/v1/DocumentDirectory/Conflict",
         "conflict:bool folderIds:QVariantList success:bool", s_successAndError},
    };
}

// Answers every translation with the same foreign text, as a translated build would.
class EverythingTranslated : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("Übersetzt: ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

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

} // namespace

class TestDocumentRequests : public QObject
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

    void namesSurviveRenameAndSearch_data();
    void namesSurviveRenameAndSearch();

    void unexpectedReplyShapes_data();
    void unexpectedReplyShapes();
    void renameFolderReportsTheRequestedName();
    void folderIdsAndTaskIdsReachTheResult();

    void copyFlagTexts_data();
    void copyFlagTexts();
    void copyFlagsForQml();

private:
    QVariantMap run(RequestInterface *request);
    QJsonObject lastRecorded();
    void signIn();

    SimulatorProcess m_simulator;
    RequestRunner m_runner;
    Settings m_settings;
};

void TestDocumentRequests::initTestCase()
{
    QVERIFY(m_simulator.start());
    // A hang in a failure case must not stall the suite for a minute.
    ReplyTimeout::setInactivityTimeout(3000);
}

void TestDocumentRequests::init()
{
    QVERIFY(m_simulator.reset());
    m_settings.savePortalAddress(m_simulator.baseUrl());
    signIn();
}

void TestDocumentRequests::cleanup()
{
    QVERIFY(m_simulator.clearFaults());
}

void TestDocumentRequests::signIn()
{
    const QString token = m_simulator.validAccessToken();
    QVERIFY(!token.isEmpty());
    m_settings.saveAccessToken(token);
    QVERIFY(m_simulator.clearRequests());
}

QVariantMap TestDocumentRequests::run(RequestInterface *request)
{
    const QVariantMap result = m_runner.run(request);
    [&] { QCOMPARE(m_runner.emissions(), 1); }();
    return result;
}

QJsonObject TestDocumentRequests::lastRecorded()
{
    const QJsonArray requests = m_simulator.requests();
    return requests.isEmpty() ? QJsonObject() : requests.last().toObject();
}

void TestDocumentRequests::wireForm_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("translated");
    const QList<RequestCase> cases = requestCases();
    for (int i = 0; i < cases.size(); ++i) {
        QTest::addRow("%s", cases[i].name) << i << false;
        QTest::addRow("%s, translated build", cases[i].name) << i << true;
    }
}

void TestDocumentRequests::wireForm()
{
    QFETCH(int, index);
    QFETCH(bool, translated);
    const RequestCase expected = requestCases().at(index);
    EverythingTranslated translator;
    if (translated)
        QCoreApplication::installTranslator(&translator);

    LogCapture log;
    run(expected.make());
    QCoreApplication::removeTranslator(&translator);

    const QJsonArray requests = m_simulator.requests();
    QCOMPARE(requests.size(), 1);
    const QJsonObject recorded = requests.first().toObject();
    QCOMPARE(recorded.value(QStringLiteral("method")).toString(), expected.method);
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), expected.path);
    QCOMPARE(recorded.value(QStringLiteral("query")).toObject(), expected.query);
    const QByteArray body = recorded.value(QStringLiteral("body")).toString().toUtf8();
    QCOMPARE(body, expected.body.isEmpty() ? QByteArray() : QJsonDocument(expected.body).toJson(QJsonDocument::Compact));
    const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("authorization")).toString(), m_settings.accessToken());
    QCOMPARE(headers.value(QStringLiteral("content-type")).toString(), QStringLiteral("application/json"));
    QCOMPARE(log.linesWith(QStringLiteral("Sending request")), QStringList{expected.sendingLine});
}

void TestDocumentRequests::successResults_data()
{
    QTest::addColumn<int>("index");
    const QList<RequestCase> cases = requestCases();
    for (int i = 0; i < cases.size(); ++i) {
        if (!cases[i].successKeys.isEmpty())
            QTest::addRow("%s", cases[i].name) << i;
    }
}

void TestDocumentRequests::successResults()
{
    QFETCH(int, index);
    const RequestCase expected = requestCases().at(index);
    const QVariantMap result = run(expected.make());

    QStringList keys;
    for (const QString &entry : expected.successKeys.split(QLatin1Char(' '))) {
        const QString key = entry.section(QLatin1Char(':'), 0, 0);
        keys << key;
        QCOMPARE(QString::fromLatin1(result.value(key).typeName()), entry.section(QLatin1Char(':'), 1));
        // Every listed entity arrives as a map of the portal's keys.
        for (const QVariant &element : result.value(key).toList()) {
            if (element.type() == QVariant::Map)
                QVERIFY(element.toMap().contains(QStringLiteral("Id")));
            else
                QCOMPARE(element.type(), QVariant::Int);
        }
    }
    QCOMPARE(QStringList(result.keys()), keys);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    if (result.contains(QStringLiteral("error")))
        QCOMPARE(result.value(QStringLiteral("error")), QVariant(QString()));
}

void TestDocumentRequests::failureResults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("error");

    const QList<RequestCase> cases = requestCases();
    for (int i = 0; i < cases.size(); ++i) {
        for (const PortalFaults::FaultClass &failure : PortalFaults::jsonFailures())
            QTest::addRow("%s, %s", cases[i].name, failure.name) << i << failure.fault << failure.error;
    }
}

void TestDocumentRequests::failureResults()
{
    QFETCH(int, index);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, error);
    const RequestCase expected = requestCases().at(index);
    QVERIFY(PortalFaults::provoke(m_simulator, fault, expected.method, expected.path));

    const QVariantMap result = run(expected.make());
    QCOMPARE(QStringList(result.keys()), expected.failureKeys);
    QCOMPARE(result.value(QStringLiteral("error")), QVariant(error));
    QVERIFY(!result.value(QStringLiteral("success")).toBool());
}

void TestDocumentRequests::namesSurviveRenameAndSearch_data()
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

void TestDocumentRequests::namesSurviveRenameAndSearch()
{
    QFETCH(QString, name);

    QVariantMap result = run(new RenameFileRequest(1005, name));
    QCOMPARE(result.value(QStringLiteral("newFileName")).toString(), name);
    // Nothing of the name may read as a delimiter of the query.
    const QString target = lastRecorded().value(QStringLiteral("target")).toString();
    QCOMPARE(target.count(QLatin1Char('&')), 1);
    QVERIFY2(!target.contains(QLatin1Char('#')) && !target.contains(QLatin1Char(' ')), qPrintable(target));
    result = run(new RenameFolderRequest(114, name));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QCOMPARE(lastRecorded().value(QStringLiteral("query")).toObject().value(QStringLiteral("name")).toString(), name);

    result = run(new GetDocumentsRequest(100));
    QVERIFY(namesOf(result.value(QStringLiteral("documents")).toList()).contains(name));
    result = run(new GetFoldersRequest(100));
    QVERIFY(namesOf(result.value(QStringLiteral("folders")).toList()).contains(name));

    result = run(new SearchFoldersAndFilesRequest(name, 100));
    QCOMPARE(namesOf(result.value(QStringLiteral("documents")).toList()), QStringList{name});
    QCOMPARE(namesOf(result.value(QStringLiteral("directories")).toList()), QStringList{name});
    const QJsonObject query = lastRecorded().value(QStringLiteral("query")).toObject();
    QCOMPARE(query, (QJsonObject{{"text", name}, {"id", "100"}}));
}

void TestDocumentRequests::unexpectedReplyShapes_data()
{
    QTest::addColumn<RequestFactory>("make");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");

    const RequestFactory search = [] { return new SearchFoldersAndFilesRequest(QStringLiteral("x"), 0); };
    const RequestFactory folders = [] { return new GetFoldersRequest(100); };
    const RequestFactory create = [] { return new CreateDocumentRequest(QStringLiteral("A.docx"), 100); };
    const QString searchPath = QStringLiteral("/api/v1/DocumentDirectory/Search");
    const QString foldersPath = QStringLiteral("/api/v1/DocumentDirectory/Get");
    const QString createPath = QStringLiteral("/api/v1/Documents/Create");

    QTest::newRow("search without documents")
        << search << searchPath << QByteArray(R"({"Directory":{"Items":[{"Id":3,"Name":"x"}]}})")
        << "documents" << QVariant(QVariantList());
    QTest::newRow("search without documents keeps the folders")
        << search << searchPath << QByteArray(R"({"Directory":{"Items":[{"Id":3,"Name":"x"}]}})")
        << "directories" << QVariant(QVariantList{QVariantMap{{"Id", 3.0}, {"Name", "x"}}});
    QTest::newRow("listing with stray scalars")
        << folders << foldersPath << QByteArray(R"([3,{"Id":7},"x",null])") << "folders"
        << QVariant(QVariantList{QVariantMap{{"Id", 7.0}}});
    QTest::newRow("document info that is no object")
        << RequestFactory([] { return new GetDocumentInfoRequest(1001); }) << "/api/v1/Documents"
        << QByteArray("[1,2]") << "info" << QVariant(QVariantMap());
    QTest::newRow("created document not in a list") << create << createPath << QByteArray(R"({"Id":5})") << "fileId"
                                                   << QVariant();
    QTest::newRow("created nothing") << create << createPath << QByteArray("[]") << "fileName" << QVariant();
    QTest::newRow("created document with null owner")
        << create << createPath << QByteArray(R"([{"Id":5,"OwnerId":null,"Name":"A.docx"}])") << "ownerId"
        << QVariant();
    QTest::newRow("copy task id as text")
        << RequestFactory([] { return new CopyFolderRequest({113}, 110, CopyFolderFlags::Copy); })
        << "/api/v1/DocumentDirectory/Copy" << QByteArray(R"({"TaskId":"42"})") << "taskId" << QVariant(42);
    QTest::newRow("move task id kept as sent")
        << RequestFactory([] { return new MoveFolderRequest({113}, 110, CopyFolderFlags::Copy); })
        << "/api/v1/DocumentDirectory/Move" << QByteArray(R"({"TaskId":"42"})") << "taskId"
        << QVariant(QStringLiteral("42"));
    QTest::newRow("conflict missing")
        << RequestFactory([] { return new CheckConflictRequest(110, {113}); })
        << "/api/v1/DocumentDirectory/Conflict" << QByteArray(R"({"Other":1})") << "conflict" << QVariant(false);
}

void TestDocumentRequests::unexpectedReplyShapes()
{
    QFETCH(RequestFactory, make);
    QFETCH(QString, path);
    QFETCH(QByteArray, reply);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QVERIFY(m_simulator.setFault(path, {{"status", 200}, {"body", QString::fromUtf8(reply)}}));

    const QVariantMap result = run(make());
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QVERIFY(result.contains(key));
    QCOMPARE(result.value(key), value);
}

void TestDocumentRequests::renameFolderReportsTheRequestedName()
{
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/DocumentDirectory/Rename"),
                                 {{"status", 200}, {"body", QJsonObject{{"Id", 114}, {"Name", "Something else"}}}}));
    const QVariantMap result = run(new RenameFolderRequest(114, QStringLiteral("Pictures")));
    QCOMPARE(result, (QVariantMap{{"success", true}, {"folderId", 114}, {"newFolderName", "Pictures"}, {"error", ""}}));

    QVERIFY(m_simulator.clearFaults());
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/DocumentDirectory/Rename"),
                                 {{"status", 409}, {"body", QJsonObject{{"ErrorMessage", "Name taken"}}}}));
    QCOMPARE(run(new RenameFolderRequest(114, QStringLiteral("Pictures"))),
             (QVariantMap{{"success", false}, {"folderId", 114}, {"error", "Name taken. Error 409."}}));
}

void TestDocumentRequests::folderIdsAndTaskIdsReachTheResult()
{
    QVariantMap result = run(new CopyFolderRequest({113, 114}, 110, CopyFolderFlags::Copy));
    QCOMPARE(result.value(QStringLiteral("folderIds")), QVariant(QVariantList{113, 114}));
    const int copyTask = result.value(QStringLiteral("taskId")).toInt();
    result = run(new MoveFolderRequest({114}, 110, CopyFolderFlags::Skip));
    const int moveTask = result.value(QStringLiteral("taskId")).toInt();
    QVERIFY(copyTask > 0);
    QVERIFY(moveTask > 0 && moveTask != copyTask);

    result = run(new ClearFolderRequest(105));
    QCOMPARE(result.value(QStringLiteral("folderId")), QVariant(105));
    QVERIFY(result.value(QStringLiteral("taskId")).toInt() > 0);

    QCOMPARE(run(new RestoreFileRequest({1051}, 100)),
             (QVariantMap{{"success", true}, {"fileIds", QVariantList{1051}}}));
    QCOMPARE(run(new MoveToTrashFileRequest({1005, 1004})),
             (QVariantMap{{"success", true}, {"fileIds", QVariantList{1005, 1004}}}));
    // Restoring a file that is no longer in the trash is refused, and the ids still come back.
    result = run(new RestoreFileRequest({1001}, 100));
    QCOMPARE(result.value(QStringLiteral("fileIds")), QVariant(QVariantList{1001}));
    QVERIFY(!result.contains(QStringLiteral("success")));
    QVERIFY(result.value(QStringLiteral("error")).toString().endsWith(QStringLiteral("Error 400.")));
}

void TestDocumentRequests::copyFlagTexts_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("text");
    QTest::newRow("overwrite") << 0 << "Overwrite";
    QTest::newRow("skip") << 1 << "Skip";
    QTest::newRow("copy") << 2 << "Copy";
    QTest::newRow("below the range") << -1 << QString();
    QTest::newRow("above the range") << 3 << QString();
}

void TestDocumentRequests::copyFlagTexts()
{
    QFETCH(int, flag);
    QFETCH(QString, text);
    const QString wire = CopyFolderFlags::copyFlagToString(static_cast<Flags>(flag));
    QCOMPARE(wire, text);
    QCOMPARE(wire.isNull(), text.isNull());
}

void TestDocumentRequests::copyFlagsForQml()
{
    CoreInit::registerTypes();
    QVERIFY(QMetaType::type("CopyFolderFlags::Flags") != QMetaType::UnknownType);

    QQmlEngine engine;
    QQmlComponent reader(&engine);
    reader.setData("import QtQml 2.15\nimport com.vellix.VellixOfficeAurora 1.0\n"
                   "QtObject { property int skip: CopyFlags.Skip; property int copy: CopyFlags.Copy }",
                   QUrl());
    std::unique_ptr<QObject> object(reader.create());
    QVERIFY2(object, qPrintable(reader.errorString()));
    QCOMPARE(object->property("skip").toInt(), 1);
    QCOMPARE(object->property("copy").toInt(), 2);

    QQmlComponent creator(&engine);
    creator.setData("import com.vellix.VellixOfficeAurora 1.0\nCopyFlags {}", QUrl());
    QVERIFY(!creator.create());
    QVERIFY2(creator.errorString().contains(QStringLiteral("Error: this type is not creatable in qml.")),
             qPrintable(creator.errorString()));
}

VELLIX_TEST_MAIN(TestDocumentRequests, QCoreApplication)

#include "tst_documentrequests.moc"
