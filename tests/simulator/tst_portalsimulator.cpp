#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QtTest>

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

    static QJsonObject tokensOf(const Answer &answer)
    {
        return answer.object()[QStringLiteral("Response")].toObject()[QStringLiteral("Data")].toObject()[QStringLiteral("Tokens")].toObject();
    }

    SimulatorProcess m_simulator;
    QNetworkAccessManager m_manager;

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
        QVERIFY(!m_simulator.validAccessToken().isEmpty());
        const QJsonArray recorded = m_simulator.requests();
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded[0].toObject()[QStringLiteral("path")].toString(), QStringLiteral("/api/v2/auth/login"));
        QCOMPARE(recorded[0].toObject()[QStringLiteral("method")].toString(), QStringLiteral("POST"));
    }

    void cleanupTestCase()
    {
        m_simulator.stop();
        QVERIFY(m_simulator.exitedCleanly());
    }
};

VELLIX_TEST_MAIN(TestPortalSimulator, QCoreApplication)
#include "tst_portalsimulator.moc"
