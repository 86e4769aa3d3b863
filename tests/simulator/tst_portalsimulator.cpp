#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
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

    void fixtureSignsInAndRecordsRequests()
    {
        QVERIFY(m_simulator.clearRequests());
        QVERIFY(!m_simulator.validAccessToken().isEmpty());
        const QJsonArray recorded = m_simulator.requests();
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded[0].toObject()[QStringLiteral("path")].toString(), QStringLiteral("/api/v2/auth/login"));
        QCOMPARE(recorded[0].toObject()[QStringLiteral("method")].toString(), QStringLiteral("POST"));
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
