#include "everythingtranslated.h"
#include "logcapture.h"
#include "portalfaults.h"
#include "portalsuite.h"
#include "editor/editrightsrequestv2.h"
#include "editor/getdocumentlinkrequest.h"
#include "requests/getcustomerrolesrequest.h"
#include "requests/getentityshareinforequest.h"
#include "requests/getfolderlinkrequest.h"
#include "requests/replytimeout.h"
#include "requests/searchusersrequest.h"
#include "requests/sharedocumentbulkrequest.h"
#include "requests/sharefilerequest.h"
#include "requests/sharefolderbulkrequest.h"
#include "requests/sharefolderrequest.h"
#include "requests/unsharedocumentbulkrequest.h"
#include "requests/unsharefilerequest.h"
#include "requests/unsharefolderbulkrequest.h"
#include "requests/unsharefolderrequest.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QtTest>

#include <functional>

using SharingFactory = std::function<RequestInterface *()>;
Q_DECLARE_METATYPE(SharingFactory)

namespace {

// How a case reports a failed exchange.
enum class Failure {
    // NetworkReplyHandler's message
    Handler,
    // the reply's own error text; the body is not looked at
    ReplyText,
};

struct SharingCase
{
    const char *name;
    SharingFactory make;
    QString method;
    QString path;
    QJsonObject query;
    // Compact JSON of the body; empty: no body.
    QByteArray body;
    QString sendingLine;
    // "key:type ..." of the success map
    QString successKeys;
    QStringList failureKeys;
    Failure failure;
};

const QString s_v1 = QStringLiteral("/api/v1/");

UserOrRoleEntity principal(int id, qint16 access)
{
    UserOrRoleEntity entity;
    entity.id = id;
    entity.access = access;
    return entity;
}

QList<UserOrRoleEntity> bulkUsers()
{
    return {principal(2, DocumentLink::Read), principal(3, DocumentLink::Write)};
}

QList<UserOrRoleEntity> bulkRoles()
{
    return {principal(1, DocumentLink::Read)};
}

QByteArray compact(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QByteArray singleBody(const char *access, int userId, int entityId)
{
    return compact(QJsonObject{{"AccessType", access},
                               {"ToUserIds", QJsonArray{QString::number(userId)}},
                               {"Ids", QJsonArray{QString::number(entityId)}}});
}

QByteArray bulkBody(int entityId)
{
    return compact(QJsonArray{
        QJsonObject{{"AccessType", "Read"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{2}},
                    {"ToRoleIds", QJsonArray{1}}},
        QJsonObject{{"AccessType", "Write"}, {"Ids", QJsonArray{entityId}}, {"ToUserIds", QJsonArray{3}}},
    });
}

QList<SharingCase> sharingCases()
{
    const QString bulkKeys = QStringLiteral("success:bool users:QVariantList");
    const QStringList successAndError{"error", "success"};
    const QString post = QStringLiteral("Sending request POST ");
    return {
        {"share file", [] { return new ShareFileRequest(1002, 2, FileAccessType::Read); }, "POST",
         s_v1 + "Documents/Share", {}, singleBody("Read", 2, 1002), post + s_v1 + "Documents/Share",
         "fileId:int success:bool", {"error", "fileId"}, Failure::Handler},
        {"unshare file", [] { return new UnShareFileRequest(1001, 2, FileAccessType::Write); }, "POST",
         s_v1 + "Documents/UnShare", {}, singleBody("Write", 2, 1001), post + s_v1 + "Documents/UnShare",
         "fileId:int success:bool", {"error", "fileId"}, Failure::Handler},
        {"share folder", [] { return new ShareFolderRequest(114, 3, FileAccessType::Write); }, "POST",
         s_v1 + "DocumentDirectory/Share", {}, singleBody("Write", 3, 114), post + s_v1 + "DocumentDirectory/Share",
         "folderId:int success:bool", {"error", "folderId"}, Failure::ReplyText},
        {"unshare folder", [] { return new UnShareFolderRequest(113, 2, FileAccessType::Read); }, "POST",
         s_v1 + "DocumentDirectory/UnShare", {}, singleBody("Read", 2, 113),
         post + s_v1 + "DocumentDirectory/UnShare", "folderId:int success:bool", {"error", "folderId"},
         Failure::ReplyText},
        {"share document in bulk", [] { return new ShareDocumentBulkRequest(1002, bulkUsers(), bulkRoles()); },
         "POST", s_v1 + "Documents/ShareBulk", {}, bulkBody(1002), post + s_v1 + "Documents/ShareBulk", bulkKeys,
         successAndError, Failure::Handler},
        {"unshare document in bulk", [] { return new UnShareDocumentBulkRequest(1001, bulkUsers(), bulkRoles()); },
         "POST", s_v1 + "Documents/UnShareBulk", {}, bulkBody(1001), post + s_v1 + "Documents/UnShareBulk",
         bulkKeys, successAndError, Failure::Handler},
        {"share folder in bulk", [] { return new ShareFolderBulkRequest(114, bulkUsers(), bulkRoles()); }, "POST",
         s_v1 + "DocumentDirectory/ShareBulk", {}, bulkBody(114), post + s_v1 + "DocumentDirectory/ShareBulk",
         bulkKeys, successAndError, Failure::Handler},
        {"unshare folder in bulk", [] { return new UnShareFolderBulkRequest(113, bulkUsers(), bulkRoles()); },
         "POST", s_v1 + "DocumentDirectory/UnShareBulk", {}, bulkBody(113),
         post + s_v1 + "DocumentDirectory/UnShareBulk", bulkKeys, successAndError, Failure::Handler},
        {"share info", [] { return new GetEntityShareInfoRequest(1001, EntityTypes::Document); }, "GET",
         s_v1 + "Share", {{"entityId", "1001"}, {"entityType", "Document"}}, {},
         "Sending request GET /api/v1/Share?entityId=1001&entityType=Document",
         "links:QVariantList roles:QVariantList success:bool users:QVariantList", successAndError,
         Failure::Handler},
        {"folder link",
         [] {
             return new GetFolderLinkRequest(114, DocumentLink::DefaultExternal, DocumentLink::Read,
                                             EntityTypes::Directory);
         },
         "GET", s_v1 + "Link/Generate", {{"Id", "114"}, {"lifetime", "10"}, {"accessType", "1"}, {"type", "3"}}, {},
         "Sending request GET /api/v1/Link/Generate?Id=114&lifetime=10&accessType=1&type=3",
         "link:QString success:bool uid:QString uri:QString", successAndError, Failure::Handler},
        {"customer roles", [] { return new GetCustomerRolesRequest(); }, "GET", s_v1 + "Role", {}, {},
         "Sending request 'GET /api/v1/Role'", "roles:QVariantList success:bool", {"error"}, Failure::Handler},
        {"search users", [] { return new SearchUsersRequest(QStringLiteral("anna")); }, "POST", s_v1 + "User/Search",
         {}, compact(QJsonObject{{"Query", "anna"}}), post + s_v1 + "User/Search", "success:bool users:QVariantList",
         successAndError, Failure::Handler},
        {"edit rights by id", [] { return new EditRightsRequestV2(1001, QStringLiteral("ignored")); }, "GET",
         s_v1 + "Documents/EditRights", {{"Id", "1001"}, {"editorType", "mobile"}}, {},
         "Sending request GET /api/v1/Documents/EditRights?Id=1001&editorType=mobile",
         "json:QJsonDocument success:bool", successAndError, Failure::Handler},
        {"edit rights by link", [] { return new EditRightsRequestV2(0, QStringLiteral("link-welcome")); }, "GET",
         s_v1 + "Documents/EditRights", {{"Uid", "link-welcome"}, {"editorType", "mobile"}}, {},
         "Sending request GET /api/v1/Documents/EditRights?Uid=link-welcome&editorType=mobile",
         "json:QJsonDocument success:bool", successAndError, Failure::Handler},
        {"document link",
         [] {
             return new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal,
                                               static_cast<DocumentLink::AccessType>(4), EntityTypes::Document);
         },
         "GET", s_v1 + "Link/Generate", {{"Id", "1001"}, {"type", "2"}, {"lifetime", "10"}, {"accessType", "4"}}, {},
         "Sending request GET /api/v1/Link/Generate?Id=1001&type=2&lifetime=10&accessType=4",
         "error:QString jwt:QString link:QString success:bool uid:QString uri:QString userId:QString version:int",
         successAndError, Failure::Handler},
    };
}

} // namespace

class TestSharingRequests : public QObject
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

    void folderShareDoesNotReadTheBody();
    void sharingChangesTheAccessList();
    void bulkWithoutPrincipalsStillSends();
    void linkFieldsReachTheResult();
    void editRightsCarryTheWholeReply();
    void linkUidIsEncoded();
    void jwtIsNotLogged();

private:
    QVariantMap run(RequestInterface *request) { return m_suite.run(request); }

    PortalSuite m_suite;
    SimulatorProcess &m_simulator = m_suite.simulator();
};

void TestSharingRequests::initTestCase()
{
    QVERIFY(m_suite.start());
}

void TestSharingRequests::init()
{
    QVERIFY(m_suite.prepare());
}

void TestSharingRequests::cleanup()
{
    QVERIFY(m_suite.tidyUp());
}

void TestSharingRequests::wireForm_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("translated");
    const QList<SharingCase> cases = sharingCases();
    for (int i = 0; i < cases.size(); ++i) {
        QTest::addRow("%s", cases[i].name) << i << false;
        // The access words of the bodies are the portal's, whatever the language.
        if (!cases[i].body.isEmpty())
            QTest::addRow("%s, translated build", cases[i].name) << i << true;
    }
}

void TestSharingRequests::wireForm()
{
    QFETCH(int, index);
    QFETCH(bool, translated);
    const SharingCase expected = sharingCases().at(index);
    EverythingTranslated translator;
    if (translated)
        QCoreApplication::installTranslator(&translator);

    LogCapture log;
    run(expected.make());
    QCoreApplication::removeTranslator(&translator);

    const QString mismatch = m_suite.recordedMismatch(expected.method, expected.path, expected.query);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    const QJsonObject recorded = m_simulator.requests().first().toObject();
    QCOMPARE(recorded.value(QStringLiteral("body")).toString().toUtf8(), expected.body);
    QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("content-type")).toString(),
             QStringLiteral("application/json"));
    QCOMPARE(log.linesWith(QStringLiteral("Sending request")), QStringList{expected.sendingLine});
}

void TestSharingRequests::successResults_data()
{
    QTest::addColumn<int>("index");
    const QList<SharingCase> cases = sharingCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::addRow("%s", cases[i].name) << i;
}

void TestSharingRequests::successResults()
{
    QFETCH(int, index);
    const SharingCase expected = sharingCases().at(index);
    const QVariantMap result = run(expected.make());

    const QString mismatch = PortalSuite::keysAndTypesMismatch(result, expected.successKeys);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    for (auto it = result.cbegin(); it != result.cend(); ++it) {
        if (it.value().type() == QVariant::String && it.key() != QLatin1String("error"))
            QVERIFY2(!it.value().toString().isEmpty(), qPrintable(it.key()));
    }
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    if (result.contains(QStringLiteral("error")))
        QCOMPARE(result.value(QStringLiteral("error")), QVariant(QString()));
}

void TestSharingRequests::failureResults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("handlerError");

    QList<PortalFaults::FaultClass> classes = PortalFaults::jsonFailures();
    classes << PortalFaults::FaultClass{"truncated reply", {{"mode", "truncated"}}, "The portal closed the connection."}
            << PortalFaults::FaultClass{"hang", {{"mode", "hang"}}, "The connection to the portal timed out."};
    const QList<SharingCase> cases = sharingCases();
    for (int i = 0; i < cases.size(); ++i) {
        for (const PortalFaults::FaultClass &failure : qAsConst(classes)) {
            const bool malformed = failure.fault.value(QStringLiteral("mode")) == QLatin1String("malformed");
            if (malformed && cases[i].failure == Failure::ReplyText)
                continue;
            QTest::addRow("%s, %s", cases[i].name, failure.name) << i << failure.fault << failure.error;
        }
    }
}

void TestSharingRequests::failureResults()
{
    QFETCH(int, index);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, handlerError);
    const SharingCase expected = sharingCases().at(index);
    QVERIFY(PortalFaults::provoke(m_simulator, fault, expected.method, expected.path));
    if (fault.value(QStringLiteral("mode")) == QLatin1String("hang"))
        ReplyTimeout::setInactivityTimeout(250);

    const QVariantMap result = run(expected.make());
    QCOMPARE(QStringList(result.keys()), expected.failureKeys);
    QVERIFY(!result.value(QStringLiteral("success")).toBool());
    const QString error = result.value(QStringLiteral("error")).toString();
    if (expected.failure == Failure::Handler) {
        QCOMPARE(error, handlerError);
    } else if (fault.value(QStringLiteral("mode")) == QLatin1String("hang")) {
        QCOMPARE(error, handlerError);
    } else {
        // Qt's words, which carry neither the portal's message nor a status suffix.
        QVERIFY(!error.isEmpty());
        QVERIFY2(error != handlerError, qPrintable(error));
    }
    for (const char *idKey : {"fileId", "folderId"}) {
        if (expected.failureKeys.contains(QString::fromLatin1(idKey)))
            QVERIFY(result.value(QString::fromLatin1(idKey)).toInt() > 0);
    }
}

void TestSharingRequests::folderShareDoesNotReadTheBody()
{
    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("DocumentDirectory/Share"), {{"mode", "malformed"}}));
    QCOMPARE(run(new ShareFolderRequest(114, 3, FileAccessType::Write)),
             (QVariantMap{{"success", true}, {"folderId", 114}}));
    // The file share reads it, and reports the unreadable reply without a text of its own.
    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("Documents/Share"), {{"mode", "malformed"}}));
    QCOMPARE(run(new ShareFileRequest(1002, 3, FileAccessType::Write)),
             (QVariantMap{{"error", QString()}, {"fileId", 1002}}));
}

void TestSharingRequests::sharingChangesTheAccessList()
{
    QVERIFY(run(new ShareFileRequest(1002, 3, FileAccessType::Write)).value(QStringLiteral("success")).toBool());
    QVariantMap info = run(new GetEntityShareInfoRequest(1002, EntityTypes::Document));
    const QVariantList users = info.value(QStringLiteral("users")).toList();
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.first().toMap().value(QStringLiteral("PrincipalId")).toInt(), 3);
    QCOMPARE(users.first().toMap().value(QStringLiteral("Type")).toInt(), int(DocumentLink::Write));

    const QVariantMap bulk = run(new ShareDocumentBulkRequest(1002, bulkUsers(), bulkRoles()));
    QSet<int> sharedWith;
    for (const QVariant &user : bulk.value(QStringLiteral("users")).toList())
        sharedWith.insert(user.toMap().value(QStringLiteral("PrincipalId")).toInt());
    QCOMPARE(sharedWith, (QSet<int>{2, 3}));
    info = run(new GetEntityShareInfoRequest(1002, EntityTypes::Document));
    const QVariantList roles = info.value(QStringLiteral("roles")).toList();
    QCOMPARE(roles.size(), 1);
    QCOMPARE(roles.first().toMap().value(QStringLiteral("PrincipalId")).toInt(), 1);

    QVERIFY(run(new UnShareDocumentBulkRequest(1002, bulkUsers(), bulkRoles())).value("success").toBool());
    info = run(new GetEntityShareInfoRequest(1002, EntityTypes::Document));
    QCOMPARE(info.value(QStringLiteral("users")).toList(), QVariantList());
    QCOMPARE(info.value(QStringLiteral("roles")).toList(), QVariantList());
}

void TestSharingRequests::bulkWithoutPrincipalsStillSends()
{
    QCOMPARE(run(new ShareFolderBulkRequest(114, {}, {})),
             (QVariantMap{{"success", true}, {"users", QVariantList()}}));
    const QJsonArray requests = m_simulator.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().toObject().value(QStringLiteral("body")).toString(), QStringLiteral("[]"));
}

void TestSharingRequests::linkFieldsReachTheResult()
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

    // Fields the portal leaves out stay empty; ids sent as numbers read as text.
    QVERIFY(m_simulator.setFault(s_v1 + QStringLiteral("Link/Generate"),
                                 {{"status", 200}, {"body", QJsonObject{{"Link", "l"}, {"UserId", 7}}}}));
    QCOMPARE(run(new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal, DocumentLink::Read,
                                            EntityTypes::Document)),
             (QVariantMap{{"success", true}, {"error", ""}, {"link", "l"}, {"uri", ""}, {"uid", ""}, {"jwt", ""},
                          {"userId", "7"}, {"version", 0}}));
    QCOMPARE(run(new GetFolderLinkRequest(114, DocumentLink::DefaultExternal, DocumentLink::Read,
                                          EntityTypes::Directory)),
             (QVariantMap{{"success", true}, {"link", "l"}, {"uri", ""}, {"uid", ""}}));
}

void TestSharingRequests::editRightsCarryTheWholeReply()
{
    const QVariantMap result = run(new EditRightsRequestV2(1001, QString()));
    const QJsonObject reply = result.value(QStringLiteral("json")).value<QJsonDocument>().object();
    QCOMPARE(reply.value(QStringLiteral("Info")).toObject().value(QStringLiteral("DocumentId")).toInt(), 1001);
    QVERIFY(reply.value(QStringLiteral("Link")).toObject().value(QStringLiteral("Payload")).isObject());

    // An id below 1 asks by link, with an empty uid when there is none.
    const QVariantMap byEmptyUid = run(new EditRightsRequestV2(0, QString()));
    QCOMPARE(byEmptyUid.value(QStringLiteral("success")), QVariant(false));
    QCOMPARE(m_simulator.requests().last().toObject().value(QStringLiteral("query")).toObject(),
             (QJsonObject{{"Uid", ""}, {"editorType", "mobile"}}));
}

void TestSharingRequests::linkUidIsEncoded()
{
    const QString uid = QStringLiteral("a&Id=5 #x+y");
    run(new EditRightsRequestV2(-1, uid));
    const QJsonObject recorded = m_simulator.requests().last().toObject();
    QCOMPARE(recorded.value(QStringLiteral("query")).toObject(), (QJsonObject{{"Uid", uid}, {"editorType", "mobile"}}));
}

void TestSharingRequests::jwtIsNotLogged()
{
    LogCapture log;
    const QVariantMap result = run(new GetDocumentLinkRequest(1001, DocumentLink::DefaultExternal,
                                                              DocumentLink::Read, EntityTypes::Document));
    const QString jwt = result.value(QStringLiteral("jwt")).toString();
    QVERIFY(!jwt.isEmpty());
    QCOMPARE(log.linesWith(jwt), QStringList());
    QVERIFY(!log.linesWith(QStringLiteral("Result:")).isEmpty());
}

VELLIX_TEST_MAIN(TestSharingRequests, QCoreApplication)

#include "tst_sharingrequests.moc"
