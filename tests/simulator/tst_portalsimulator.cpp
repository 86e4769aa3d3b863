#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QJsonObject)

// A smoke test of the simulator's own controls and of its document server
// stand-in; its portal endpoints are exercised by every request and worker suite.
class TestPortalSimulator : public QObject
{
    Q_OBJECT
private:
    SimulatorProcess m_simulator;
    QString m_token;

    struct Answer
    {
        int status = 0;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QByteArray body;
    };

    // One exchange outside the client's request frame; the portal's calls carry the token.
    Answer send(const QByteArray &method, const QString &url, const QByteArray &body = {})
    {
        QNetworkAccessManager manager;
        QNetworkRequest request{QUrl(url.startsWith(QLatin1Char('/')) ? m_simulator.baseUrl() + url : url)};
        if (url.startsWith(QLatin1String("/api/")))
            request.setRawHeader("Authorization", m_token.toUtf8());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/plain;charset=UTF-8"));
        const std::unique_ptr<QNetworkReply> reply(manager.sendCustomRequest(request, method, body));
        if (!reply->isFinished())
            QSignalSpy(reply.get(), &QNetworkReply::finished).wait(15000);
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->error(), reply->readAll()};
    }

    // Where the editor reads and writes the document as text.
    QString textUrl(const QString &query)
    {
        const QJsonObject rights =
            QJsonDocument::fromJson(send("GET", QStringLiteral("/api/v1/Documents/EditRights?%1&editorType=mobile").arg(query)).body)
                .object();
        return rights[QStringLiteral("Link")][QStringLiteral("Payload")][QStringLiteral("document")][QStringLiteral("url")].toString()
            + QStringLiteral("&format=txt");
    }

    double documentSize(int documentId)
    {
        for (const QJsonValue &document : m_simulator.state().value(QStringLiteral("documents")).toArray()) {
            if (document[QStringLiteral("Id")].toInt() == documentId)
                return document[QStringLiteral("Size")].toDouble();
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        m_token = m_simulator.validAccessToken();
        QVERIFY(!m_token.isEmpty());
    }

    void faultModes_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QNetworkReply::NetworkError>("error");
        QTest::addColumn<bool>("readable");
        const auto mode = [](const char *name) { return QJsonObject{{"mode", name}}; };
        QTest::newRow("status") << QJsonObject{{"status", 403}} << 403 << QNetworkReply::ContentAccessDenied << false;
        QTest::newRow("malformed") << mode("malformed") << 200 << QNetworkReply::NoError << false;
        QTest::newRow("truncated") << mode("truncated") << 200 << QNetworkReply::RemoteHostClosedError << false;
        QTest::newRow("drop") << mode("drop") << 0 << QNetworkReply::RemoteHostClosedError << false;
        QTest::newRow("delay") << QJsonObject{{"mode", "delay"}, {"delayMs", 100}} << 200 << QNetworkReply::NoError << true;
        QTest::newRow("paced") << QJsonObject{{"mode", "paced"}, {"chunkBytes", 3}, {"delayMs", 10}} << 200
                               << QNetworkReply::NoError << true;
    }

    void faultModes()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(int, status);
        QFETCH(QNetworkReply::NetworkError, error);
        QFETCH(bool, readable);
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), fault));
        const Answer answer = send("GET", QStringLiteral("/api/v1/Settings"));
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.error, error);
        QCOMPARE(QJsonDocument::fromJson(answer.body).object().contains(QStringLiteral("DocumentServer")), readable);
        QVERIFY(m_simulator.clearFaults());
    }

    void textIsEditedAndSaved_data()
    {
        QTest::addColumn<int>("documentId");
        QTest::addColumn<QString>("text");
        QTest::newRow("text document") << 1001 << QStringLiteral("First line\n\nThird <b>line</b> & ü ✓");
        QTest::newRow("spreadsheet") << 1002 << QStringLiteral("Item;Cost\nRent;1200\nÜber;7.5");
        QTest::newRow("presentation") << 1003 << QStringLiteral("Roadmap\nQ1 & Q2");
        QTest::newRow("plain text") << 1005 << QStringLiteral("Notes\r\nsaved");
    }

    void textIsEditedAndSaved()
    {
        QFETCH(int, documentId);
        QFETCH(QString, text);
        const double sizeBefore = documentSize(documentId);
        const QString url = textUrl(QStringLiteral("Id=%1").arg(documentId));
        QVERIFY(url.startsWith(m_simulator.baseUrl() + QStringLiteral("/docserver/")));
        QVERIFY(!send("GET", url).body.isEmpty());
        QCOMPARE(send("POST", url, text.toUtf8()).status, 200);
        QCOMPARE(QString::fromUtf8(send("GET", url).body), text);
        QVERIFY(documentSize(documentId) != sizeBefore);
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

    void cleanupTestCase()
    {
        m_simulator.stop();
        QVERIFY(m_simulator.exitedCleanly());
    }
};

VELLIX_TEST_MAIN(TestPortalSimulator, QCoreApplication)
#include "tst_portalsimulator.moc"
