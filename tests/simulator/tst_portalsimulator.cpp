#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

Q_DECLARE_METATYPE(QJsonObject)

// A smoke test of the simulator's own controls; its endpoints are exercised
// by every request and worker suite.
class TestPortalSimulator : public QObject
{
    Q_OBJECT

private:
    QNetworkReply *get(QNetworkAccessManager &manager, const SimulatorProcess &simulator, const QString &path)
    {
        QNetworkRequest request(QUrl(simulator.baseUrl() + path));
        request.setRawHeader("Authorization", m_token.toUtf8());
        return manager.get(request);
    }

    static bool finished(QNetworkReply *reply)
    {
        if (!reply->isFinished())
            QSignalSpy(reply, &QNetworkReply::finished).wait(15000);
        return reply->isFinished();
    }

    SimulatorProcess m_simulator;
    QString m_token;

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
        QTest::newRow("delay") << QJsonObject{{"mode", "delay"}, {"delayMs", 100}} << 200 << QNetworkReply::NoError
                               << true;
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
        QNetworkAccessManager manager;
        std::unique_ptr<QNetworkReply> reply(get(manager, m_simulator, QStringLiteral("/api/v1/Settings")));
        QVERIFY(finished(reply.get()));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
        QCOMPARE(reply->error(), error);
        QCOMPARE(QJsonDocument::fromJson(reply->readAll()).object().contains(QStringLiteral("DocumentServer")), readable);
        QVERIFY(m_simulator.clearFaults());
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
