#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(QJsonObject)

// Talks to the simulator with a plain network manager, as any client would.
class TestPortalSimulator : public QObject
{
    Q_OBJECT

private:
    struct Answer
    {
        int status = 0;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QByteArray body;
        bool finished = false;
        QJsonObject object() const { return QJsonDocument::fromJson(body).object(); }
        QJsonArray array() const { return QJsonDocument::fromJson(body).array(); }
    };

    // The entry names of a zip archive, as the unzip tool reads them; empty
    // unless the tool also finds every entry intact.
    static QStringList zipEntries(const QByteArray &archive)
    {
        QTemporaryFile file;
        if (!file.open() || file.write(archive) != archive.size() || !file.flush())
            return {};
        const auto unzip = [&](const QStringList &arguments) {
            QProcess process;
            process.start(QStringLiteral("unzip"), arguments + QStringList{file.fileName()});
            process.waitForFinished();
            return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                ? QString::fromUtf8(process.readAllStandardOutput())
                : QString();
        };
        if (unzip({QStringLiteral("-tq")}).isEmpty())
            return {};
        return unzip({QStringLiteral("-Z1")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    Answer send(const QByteArray &method, const QString &pathAndQuery, const QByteArray &body = QByteArray(),
                const QString &token = QString(), int timeoutMs = 10000)
    {
        QNetworkRequest request(QUrl(m_simulator.baseUrl() + pathAndQuery));
        request.setRawHeader("Content-Type", "application/json");
        if (!token.isEmpty())
            request.setRawHeader("Authorization", token.toUtf8());
        QNetworkReply *reply = m_manager.sendCustomRequest(request, method, body);
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        Answer answer;
        answer.finished = reply->isFinished();
        if (!answer.finished)
            reply->abort();
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.error = reply->error();
        answer.body = reply->readAll();
        reply->deleteLater();
        return answer;
    }

    Answer signIn(const QString &login, const QString &password)
    {
        const QJsonObject body{{QStringLiteral("Login"), login}, {QStringLiteral("Password"), password}};
        return send("POST", QStringLiteral("/api/v2/auth/login"), QJsonDocument(body).toJson(QJsonDocument::Compact));
    }

    Answer get(const QString &pathAndQuery) { return send("GET", pathAndQuery, QByteArray(), m_token); }
    Answer post(const QString &path, const QJsonValue &body)
    {
        const QJsonDocument document = body.isArray() ? QJsonDocument(body.toArray()) : QJsonDocument(body.toObject());
        return send("POST", path, document.toJson(QJsonDocument::Compact), m_token);
    }

    // Polls a server task the way the client does, up to a bound.
    QList<int> pollTask(int taskId)
    {
        QList<int> statuses;
        for (int poll = 0; poll < 20; ++poll) {
            const int status = get(QStringLiteral("/api/v1/UserTask?Id=%1").arg(taskId)).object()[QStringLiteral("Status")].toInt();
            statuses.append(status);
            if (status == 3 || status == -1)
                break;
        }
        return statuses;
    }

    QStringList namesIn(const QJsonArray &items)
    {
        QStringList names;
        for (const QJsonValue &item : items)
            names.append(item.toObject()[QStringLiteral("Name")].toString());
        return names;
    }

    QStringList folderNames(int folderId)
    {
        const QJsonArray folders = get(QStringLiteral("/api/v1/DocumentDirectory/Get?id=%1").arg(folderId)).array();
        return folders.isEmpty() ? QStringList() : namesIn(folders[0].toObject()[QStringLiteral("Children")].toArray());
    }

    QStringList documentNames(int folderId)
    {
        return namesIn(post(QStringLiteral("/api/v1/DocumentDirectory/GetDocuments"), QJsonObject{{QStringLiteral("Ids"), QJsonArray{folderId}}})
                           .object()[QStringLiteral("Items")]
                           .toArray());
    }

    static QJsonObject tokensOf(const Answer &answer)
    {
        return answer.object()[QStringLiteral("Response")].toObject()[QStringLiteral("Data")].toObject()[QStringLiteral("Tokens")].toObject();
    }

    SimulatorProcess m_simulator;
    QNetworkAccessManager m_manager;
    QString m_token;

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
    }

    void init()
    {
        QVERIFY(m_simulator.reset());
        // Faults close connections; a fresh manager avoids half-dead ones.
        m_manager.clearConnectionCache();
        m_token = m_simulator.validAccessToken();
        QVERIFY(!m_token.isEmpty());
    }

    void signInIssuesTokensAndProfile()
    {
        const Answer answer = signIn(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword);
        QCOMPARE(answer.status, 200);
        const QJsonObject reply = answer.object();
        QCOMPARE(reply[QStringLiteral("Status")].toInt(), 200);
        const QJsonObject data = reply[QStringLiteral("Response")].toObject()[QStringLiteral("Data")].toObject();
        QVERIFY(!data[QStringLiteral("Tokens")].toObject()[QStringLiteral("AuthToken")].toString().isEmpty());
        QVERIFY(!data[QStringLiteral("Tokens")].toObject()[QStringLiteral("RefreshToken")].toString().isEmpty());
        QCOMPARE(data[QStringLiteral("User")].toObject()[QStringLiteral("Id")].toInt(), 1);
        QCOMPARE(data[QStringLiteral("User")].toObject()[QStringLiteral("Email")].toString(), SimulatorProcess::s_demoLogin);
    }

    void wrongPasswordIs401()
    {
        const Answer answer = signIn(SimulatorProcess::s_demoLogin, QStringLiteral("wrong"));
        QCOMPARE(answer.status, 401);
        QVERIFY(tokensOf(answer).isEmpty());
    }

    void refreshTradesTheRefreshTokenOnce()
    {
        const QJsonObject first = tokensOf(signIn(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("Token"), first[QStringLiteral("AuthToken")]},
                                                          {QStringLiteral("RefreshToken"), first[QStringLiteral("RefreshToken")]},
                                                          {QStringLiteral("DeviceId"), QStringLiteral("test")}})
                                    .toJson(QJsonDocument::Compact);
        const Answer refreshed = send("POST", QStringLiteral("/api/v2/auth/refresh"), body);
        QCOMPARE(refreshed.status, 200);
        const QJsonObject second = tokensOf(refreshed);
        QVERIFY(!second[QStringLiteral("AuthToken")].toString().isEmpty());
        QVERIFY(second[QStringLiteral("AuthToken")] != first[QStringLiteral("AuthToken")]);
        QCOMPARE(send("POST", QStringLiteral("/api/v2/auth/refresh"), body).status, 401);
    }

    void fixtureSignsInAndRecordsRequests()
    {
        QVERIFY(m_simulator.clearRequests());
        QVERIFY(!m_simulator.validAccessToken().isEmpty());
        const QJsonArray recorded = m_simulator.requests();
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded[0].toObject()[QStringLiteral("path")].toString(), QStringLiteral("/api/v2/auth/login"));
        QCOMPARE(recorded[0].toObject()[QStringLiteral("method")].toString(), QStringLiteral("POST"));
    }

    void missingWrongOrExpiredTokenIs401_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("expire");
        QTest::addColumn<int>("status");
        QTest::newRow("valid") << QString() << false << 200;
        QTest::newRow("missing") << QStringLiteral("-") << false << 401;
        QTest::newRow("wrong") << QStringLiteral("at-not-issued") << false << 401;
        QTest::newRow("scheme word in front") << QStringLiteral("Bearer ") << false << 401;
        QTest::newRow("expired") << QString() << true << 401;
    }

    void missingWrongOrExpiredTokenIs401()
    {
        QFETCH(QString, token);
        QFETCH(bool, expire);
        QFETCH(int, status);
        if (expire)
            QVERIFY(m_simulator.expireTokens());
        QString sent = m_token;
        if (token == QLatin1String("-"))
            sent.clear();
        else if (token.endsWith(QLatin1Char(' ')))
            sent = token + m_token;
        else if (!token.isEmpty())
            sent = token;
        const Answer answer = send("GET", QStringLiteral("/api/v1/DocumentDirectory/Get"), QByteArray(), sent);
        QCOMPARE(answer.status, status);
        if (status == 401)
            QCOMPARE(answer.object()[QStringLiteral("Status")].toInt(), 401);
    }

    void topLevelListsEverySection()
    {
        const QJsonArray roots = get(QStringLiteral("/api/v1/DocumentDirectory/Get")).array();
        QMap<int, int> idByType;
        for (const QJsonValue &root : roots)
            idByType.insert(root.toObject()[QStringLiteral("Type")].toInt(), root.toObject()[QStringLiteral("Id")].toInt());
        const QMap<int, int> expected{{16, 100}, {256, 101}, {512, 102}, {2048, 103}, {8, 104}, {134217728, 105}, {4, 10}};
        QCOMPARE(idByType, expected);
        QCOMPARE(folderNames(100), (QStringList{QStringLiteral("Projects"), QStringLiteral("Reports"), QStringLiteral("Photos")}));
        QVERIFY(documentNames(100).contains(QStringLiteral("Welcome.docx")));
        // Entities shared with the user appear as children of Available for me.
        const QJsonObject available = get(QStringLiteral("/api/v1/DocumentDirectory/Get?id=101")).array()[0].toObject();
        const QJsonObject shared = available[QStringLiteral("Children")].toArray()[0].toObject();
        QCOMPARE(shared[QStringLiteral("Id")].toInt(), 210);
        QCOMPARE(shared[QStringLiteral("ParentId")].toInt(), 101);
        QVERIFY(documentNames(102).contains(QStringLiteral("Budget 2024.xlsx")));
    }

    void createRenameAndListRoundTrip()
    {
        const QJsonObject folderBody{{QStringLiteral("Name"), QStringLiteral("New folder")}, {QStringLiteral("Description"), QString()},
                                     {QStringLiteral("Order"), 100}, {QStringLiteral("Type"), QStringLiteral("Default")},
                                     {QStringLiteral("IconId"), QString()}, {QStringLiteral("RoleIds"), QString()},
                                     {QStringLiteral("UserIds"), QString()}, {QStringLiteral("ParentId"), 100}};
        const Answer created = post(QStringLiteral("/api/v1/DocumentDirectory/AddSubDirectory"), folderBody);
        QCOMPARE(created.status, 200);
        const int folderId = created.object()[QStringLiteral("Id")].toInt();
        QVERIFY(folderId > 0);
        QCOMPARE(post(QStringLiteral("/api/v1/DocumentDirectory/AddSubDirectory"), folderBody).status, 409);

        QCOMPARE(get(QStringLiteral("/api/v1/DocumentDirectory/Rename?id=%1&name=Renamed").arg(folderId)).status, 200);
        QVERIFY(folderNames(100).contains(QStringLiteral("Renamed")));
        QVERIFY(!folderNames(100).contains(QStringLiteral("New folder")));

        const Answer document = post(QStringLiteral("/api/v1/Documents/Create"),
                                     QJsonObject{{QStringLiteral("DirectoryId"), folderId}, {QStringLiteral("Name"), QStringLiteral("Plan.docx")}});
        QCOMPARE(document.status, 200);
        const int documentId = document.array()[0].toObject()[QStringLiteral("Id")].toInt();
        QCOMPARE(document.array()[0].toObject()[QStringLiteral("OwnerId")].toInt(), 1);
        QCOMPARE(documentNames(folderId), QStringList{QStringLiteral("Plan.docx")});
        // A second document of the same name gets a free one.
        post(QStringLiteral("/api/v1/Documents/Create"), QJsonObject{{QStringLiteral("DirectoryId"), folderId}, {QStringLiteral("Name"), QStringLiteral("Plan.docx")}});
        QCOMPARE(documentNames(folderId), (QStringList{QStringLiteral("Plan.docx"), QStringLiteral("Plan (1).docx")}));

        const Answer blank = get(QStringLiteral("/api/v1/Documents/Download?id=%1&download=true&offline=false").arg(documentId));
        QVERIFY(blank.body.startsWith("PK"));
        QCOMPARE(post(QStringLiteral("/api/v1/Documents/Create"), QJsonObject{{QStringLiteral("DirectoryId"), 101}, {QStringLiteral("Name"), QStringLiteral("x.docx")}}).status, 403);
    }

    void serverTaskAppliesItsWorkAtTheEnd()
    {
        const Answer started = post(QStringLiteral("/api/v1/DocumentDirectory/Delete"), QJsonObject{{QStringLiteral("Ids"), QJsonArray{110}}});
        QCOMPARE(started.status, 200);
        const int taskId = started.object()[QStringLiteral("TaskId")].toInt();
        QVERIFY(taskId > 0);
        QVERIFY(folderNames(100).contains(QStringLiteral("Projects")));
        QCOMPARE(pollTask(taskId), (QList<int>{1, 2, 3}));
        QVERIFY(!folderNames(100).contains(QStringLiteral("Projects")));
        QVERIFY(folderNames(105).contains(QStringLiteral("Projects")));
        // Deleting it again from the trash removes it for good.
        const int second = post(QStringLiteral("/api/v1/DocumentDirectory/Delete"), QJsonObject{{QStringLiteral("Ids"), QJsonArray{110}}})
                               .object()[QStringLiteral("TaskId")].toInt();
        QCOMPARE(pollTask(second).last(), 3);
        QCOMPARE(get(QStringLiteral("/api/v1/DocumentDirectory/Get?id=110")).status, 404);
        QCOMPARE(get(QStringLiteral("/api/v1/UserTask?Id=999")).status, 404);
    }

    void injectedTaskFailureEndsInMinusOne()
    {
        QVERIFY(m_simulator.failNextTasks(1));
        const QJsonObject body{{QStringLiteral("Ids"), QJsonArray{113}}, {QStringLiteral("ToDirectoryId"), 111}, {QStringLiteral("Rule"), QStringLiteral("Copy")}};
        const int failing = post(QStringLiteral("/api/v1/DocumentDirectory/Copy"), body).object()[QStringLiteral("TaskId")].toInt();
        QCOMPARE(pollTask(failing).last(), -1);
        QVERIFY(!folderNames(111).contains(QStringLiteral("Reports")));
        const int working = post(QStringLiteral("/api/v1/DocumentDirectory/Copy"), body).object()[QStringLiteral("TaskId")].toInt();
        QCOMPARE(pollTask(working).last(), 3);
        QVERIFY(folderNames(111).contains(QStringLiteral("Reports")));
    }

    void conversionAndArchiveProduceRealFiles()
    {
        const int convert = get(QStringLiteral("/api/v1/Documents/Convert?id=1001")).object()[QStringLiteral("TaskId")].toInt();
        QCOMPARE(get(QStringLiteral("/api/v1/Documents/Download?id=1001&download=false&offline=true")).status, 404);
        QCOMPARE(pollTask(convert).last(), 3);
        const Answer pdf = get(QStringLiteral("/api/v1/Documents/Download?id=1001&download=false&offline=true"));
        QVERIFY(pdf.body.startsWith("%PDF-1.4"));
        QVERIFY(pdf.body.trimmed().endsWith("%%EOF"));

        const int archive = get(QStringLiteral("/api/v1/DocumentDirectory/Archive?Id=111")).object()[QStringLiteral("TaskId")].toInt();
        QCOMPARE(get(QStringLiteral("/api/v1/UserTask/Download?Id=%1").arg(archive)).status, 400);
        QCOMPARE(pollTask(archive).last(), 3);
        const Answer zip = get(QStringLiteral("/api/v1/UserTask/Download?Id=%1").arg(archive));
        QVERIFY(zipEntries(zip.body).contains(QStringLiteral("Aurora/Aurora specification.docx")));
    }

    void officeDocumentsAreZipPackages()
    {
        const Answer document = get(QStringLiteral("/api/v1/Documents/Download?id=1001&download=true"));
        QCOMPARE(document.status, 200);
        const QStringList entries = zipEntries(document.body);
        QVERIFY(entries.contains(QStringLiteral("[Content_Types].xml")));
        QVERIFY(entries.contains(QStringLiteral("word/document.xml")));
    }

    void uploadThenDownloadByteForByte()
    {
        QByteArray bytes(70000, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        bytes[10] = '\0';
        const QString name = QStringLiteral("Отчёт & #1 (v2).bin");

        // The multipart form the client sends.
        auto *multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
        multipart->setBoundary("----WebKitFormBoundarylCadDvTpmB9OjqQh");
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"\"; filename=\"%1\"").arg(name));
        part.setRawHeader("Content-Type", "");
        part.setBody(bytes);
        multipart->append(part);
        QNetworkRequest request(QUrl(m_simulator.baseUrl() + QStringLiteral("/api/v1/Documents/Upload")));
        request.setRawHeader("DirectoryId", "114");
        request.setRawHeader("Authorization", m_token.toUtf8());
        QNetworkReply *reply = m_manager.post(request, multipart);
        multipart->setParent(reply);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(10000));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        const QJsonObject created = QJsonDocument::fromJson(reply->readAll()).array()[0].toObject();
        reply->deleteLater();
        QCOMPARE(created[QStringLiteral("Name")].toString(), name);
        QCOMPARE(created[QStringLiteral("Size")].toInt(), bytes.size());

        const Answer download = get(QStringLiteral("/api/v1/Documents/Download?id=%1&download=true&offline=false")
                                        .arg(created[QStringLiteral("Id")].toInt()));
        QCOMPARE(download.status, 200);
        QCOMPARE(download.body, bytes);
    }

    void specialCharactersRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ampersand and number sign") << QStringLiteral("R&D #1.txt");
        QTest::newRow("percent and plus") << QStringLiteral("100% + more.txt");
        QTest::newRow("spaces and equals") << QStringLiteral("a = b c.txt");
        QTest::newRow("non-ASCII") << QStringLiteral("Отчёт über.txt");
        QTest::newRow("emoji") << QStringLiteral("Launch 🚀✓.txt");
    }

    void specialCharactersRoundTrip()
    {
        QFETCH(QString, name);
        const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(name));
        const Answer renamed = get(QStringLiteral("/api/v1/Documents/Rename?id=1005&name=%1").arg(encoded));
        QCOMPARE(renamed.status, 200);
        QCOMPARE(renamed.object()[QStringLiteral("Name")].toString(), name);
        QVERIFY(documentNames(100).contains(name));
        const Answer found = get(QStringLiteral("/api/v1/DocumentDirectory/Search?text=%1&id=100").arg(encoded));
        QCOMPARE(namesIn(found.object()[QStringLiteral("Document")].toObject()[QStringLiteral("Items")].toArray()), QStringList{name});
        const QJsonObject recorded = m_simulator.requests().last().toObject();
        QCOMPARE(recorded[QStringLiteral("query")].toObject()[QStringLiteral("text")].toString(), name);
    }

    void sharingChangesTheAccessList()
    {
        const QJsonArray bulk{QJsonObject{{QStringLiteral("AccessType"), QStringLiteral("Read")}, {QStringLiteral("Ids"), QJsonArray{1002}},
                                          {QStringLiteral("ToUserIds"), QJsonArray{2, 3}}},
                              QJsonObject{{QStringLiteral("AccessType"), QStringLiteral("Write")}, {QStringLiteral("Ids"), QJsonArray{1002}},
                                          {QStringLiteral("ToRoleIds"), QJsonArray{2}}}};
        const Answer shared = post(QStringLiteral("/api/v1/Documents/ShareBulk"), bulk);
        QCOMPARE(shared.status, 200);
        // 1002 is named by both groups; its user rights are answered once.
        QCOMPARE(shared.array().size(), 2);
        const QJsonObject info = get(QStringLiteral("/api/v1/Share?entityId=1002&entityType=Document")).object();
        QCOMPARE(info[QStringLiteral("UserAccessRights")].toArray().size(), 2);
        QCOMPARE(info[QStringLiteral("RoleAccessRights")].toArray()[0].toObject()[QStringLiteral("Type")].toInt(), 5);
        QVERIFY(documentNames(104).contains(QStringLiteral("Budget 2024.xlsx")));

        const QJsonObject link = get(QStringLiteral("/api/v1/Link/Generate?Id=1002&lifetime=10&accessType=1&type=2")).object();
        QVERIFY(!link[QStringLiteral("Uid")].toString().isEmpty());
        QCOMPARE(get(QStringLiteral("/api/v1/Link/Generate?Id=1002&type=2&lifetime=10&accessType=1")).object()[QStringLiteral("Uid")], link[QStringLiteral("Uid")]);
        QCOMPARE(get(QStringLiteral("/api/v1/Share?entityId=1002&entityType=Document")).object()[QStringLiteral("SharedLinks")].toArray().size(), 1);

        const QJsonObject unshare{{QStringLiteral("AccessType"), QStringLiteral("Read")}, {QStringLiteral("ToUserIds"), QJsonArray{QStringLiteral("2")}},
                                  {QStringLiteral("Ids"), QJsonArray{QStringLiteral("1002")}}};
        QCOMPARE(post(QStringLiteral("/api/v1/Documents/UnShare"), unshare).body, QByteArray("true"));
        QCOMPARE(get(QStringLiteral("/api/v1/Share?entityId=1002&entityType=Document")).object()[QStringLiteral("UserAccessRights")].toArray().size(), 1);
    }

    void editRightsCarryAnEditorConfiguration()
    {
        const QJsonObject rights = get(QStringLiteral("/api/v1/Documents/EditRights?Id=1001&editorType=mobile")).object();
        const QJsonObject payload = rights[QStringLiteral("Link")].toObject()[QStringLiteral("Payload")].toObject();
        QCOMPARE(payload[QStringLiteral("document")].toObject()[QStringLiteral("title")].toString(), QStringLiteral("Welcome.docx"));
        const QString server = rights[QStringLiteral("Info")].toObject()[QStringLiteral("DocServerUrl")].toString();
        QVERIFY(server.startsWith(m_simulator.baseUrl()));
        QVERIFY(send("GET", server.mid(m_simulator.baseUrl().size()) + QStringLiteral("/web-apps/apps/api/documents/api.js")).body.contains("DocsAPI"));
        const QString fileUrl = payload[QStringLiteral("document")].toObject()[QStringLiteral("url")].toString();
        QVERIFY(send("GET", fileUrl.mid(m_simulator.baseUrl().size())).body.startsWith("PK"));
        QCOMPARE(get(QStringLiteral("/api/v1/Documents/EditRights?Uid=link-welcome&editorType=mobile")).status, 200);
    }

    void faultModes_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("transportError");
        QTest::newRow("status with body") << QJsonObject{{QStringLiteral("status"), 500}, {QStringLiteral("body"), QJsonObject{{QStringLiteral("ErrorMessage"), QStringLiteral("Broken")}}}}
                                          << 500 << QByteArray("{\"ErrorMessage\":\"Broken\"}") << true;
        QTest::newRow("status without body") << QJsonObject{{QStringLiteral("status"), 403}} << 403 << QByteArray() << true;
        QTest::newRow("portal status in a 200") << QJsonObject{{QStringLiteral("status"), 200}, {QStringLiteral("body"), QStringLiteral("{\"Status\":403}")}}
                                                << 200 << QByteArray("{\"Status\":403}") << false;
        QTest::newRow("malformed") << QJsonObject{{QStringLiteral("mode"), QStringLiteral("malformed")}} << 200 << QByteArray() << false;
        QTest::newRow("truncated") << QJsonObject{{QStringLiteral("mode"), QStringLiteral("truncated")}} << 200 << QByteArray() << true;
        QTest::newRow("drop") << QJsonObject{{QStringLiteral("mode"), QStringLiteral("drop")}} << 0 << QByteArray() << true;
        QTest::newRow("delay") << QJsonObject{{QStringLiteral("mode"), QStringLiteral("delay")}, {QStringLiteral("delayMs"), 300}} << 200 << QByteArray() << false;
    }

    void faultModes()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, transportError);
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), fault));
        const Answer answer = get(QStringLiteral("/api/v1/Settings"));
        QVERIFY(answer.finished);
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.error != QNetworkReply::NoError, transportError);
        const QString mode = fault[QStringLiteral("mode")].toString();
        if (mode == QLatin1String("malformed"))
            QVERIFY(QJsonDocument::fromJson(answer.body).isNull() && !answer.body.isEmpty());
        else if (mode == QLatin1String("delay"))
            QVERIFY(answer.object().contains(QStringLiteral("DocumentServer")));
        else if (mode == QLatin1String("truncated"))
            QVERIFY(answer.error == QNetworkReply::RemoteHostClosedError);
        else if (mode == QLatin1String("drop"))
            QCOMPARE(answer.error, QNetworkReply::RemoteHostClosedError);
        else
            QCOMPARE(answer.body, body);
        // Other endpoints are not touched.
        QCOMPARE(get(QStringLiteral("/api/v1/DocumentDirectory/Get?id=100")).status, 200);
    }

    void faultCountAndMethodLimitWhatItTakes()
    {
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), {{QStringLiteral("status"), 502}, {QStringLiteral("count"), 2}}));
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/User/get"), {{QStringLiteral("status"), 500}, {QStringLiteral("method"), QStringLiteral("GET")}}));
        QCOMPARE(get(QStringLiteral("/api/v1/Settings")).status, 502);
        QCOMPARE(get(QStringLiteral("/api/v1/Settings")).status, 502);
        QCOMPARE(get(QStringLiteral("/api/v1/Settings")).status, 200);
        QCOMPARE(post(QStringLiteral("/api/v1/User/get"), QJsonObject{{QStringLiteral("Ids"), QJsonArray{2}}}).array().size(), 1);
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), {{QStringLiteral("status"), 500}}));
        QVERIFY(m_simulator.clearFaults());
        QCOMPARE(get(QStringLiteral("/api/v1/Settings")).status, 200);
        QVERIFY(!m_simulator.setFault(QStringLiteral("/api/v1/Settings"), {{QStringLiteral("mode"), QStringLiteral("explode")}}));
    }

    void hangNeverAnswersButOthersAreServed()
    {
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), {{QStringLiteral("mode"), QStringLiteral("hang")}}));
        QNetworkRequest request(QUrl(m_simulator.baseUrl() + QStringLiteral("/api/v1/Settings")));
        QList<QNetworkReply *> hung;
        // More hung requests than the client keeps connections per host.
        for (int i = 0; i < 8; ++i) {
            auto *manager = new QNetworkAccessManager(this);
            hung.append(manager->get(request));
        }
        QTest::qWait(300);
        for (QNetworkReply *reply : hung)
            QVERIFY(!reply->isFinished());
        QCOMPARE(get(QStringLiteral("/api/v1/DocumentDirectory/Get?id=100")).status, 200);
        for (QNetworkReply *reply : hung) {
            reply->abort();
            reply->manager()->deleteLater();
        }
    }

    void httpsServesWithTheGivenCertificate()
    {
        QTemporaryDir directory;
        QString certificate, key;
        QVERIFY(SimulatorProcess::makeCertificate(directory.path(), &certificate, &key));
        SimulatorProcess secure;
        QVERIFY(secure.start({QStringLiteral("--cert"), certificate, QStringLiteral("--key"), key}));
        QVERIFY(secure.baseUrl().startsWith(QStringLiteral("https://")));
        QVERIFY(!secure.validAccessToken().isEmpty());
        secure.stop();
        QVERIFY(secure.exitedCleanly());
    }

    void sigtermEndsCleanlyWhileARequestHangs()
    {
        SimulatorProcess other;
        QVERIFY(other.start());
        QVERIFY(other.setFault(QStringLiteral("/api/v1/Settings"), {{QStringLiteral("mode"), QStringLiteral("hang")}}));
        QNetworkAccessManager manager;
        QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(other.baseUrl() + QStringLiteral("/api/v1/Settings"))));
        QTest::qWait(200);
        other.stop();
        QVERIFY(other.exitedCleanly());
        QVERIFY(!other.isRunning());
        reply->abort();
        reply->deleteLater();
        QVERIFY(other.serverLog().contains("stopping on signal 15"));
    }

    void resetRestoresTheDemoData()
    {
        post(QStringLiteral("/api/v1/Documents/Delete"), QJsonObject{{QStringLiteral("Ids"), QJsonArray{1001}}});
        QVERIFY(!documentNames(100).contains(QStringLiteral("Welcome.docx")));
        QVERIFY(m_simulator.reset());
        m_token = m_simulator.validAccessToken();
        QVERIFY(documentNames(100).contains(QStringLiteral("Welcome.docx")));
    }

    void cleanupTestCase()
    {
        m_simulator.stop();
        QVERIFY(m_simulator.exitedCleanly());
    }
};

VELLIX_TEST_MAIN(TestPortalSimulator, QCoreApplication)
#include "tst_portalsimulator.moc"
