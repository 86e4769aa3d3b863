#include "cannedhttpserver.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/replytimeout.h"
#include "requests/requestinterface.h"
#include "testenvironment.h"

#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QtTest>

namespace {

using Ending = CannedHttpServer::Ending;

struct Outcome
{
    bool isError = false;
    QString message;
    QJsonDocument json;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
};

Outcome fetch(const QString &url)
{
    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.get(QNetworkRequest(QUrl(url))));
    return {handler.isError(), handler.errorMessage(), handler.replyJSON(), handler.error(), handler.httpStatus()};
}

QString jsonKind(const QJsonDocument &document)
{
    if (document.isObject())
        return QStringLiteral("object");
    return document.isArray() ? QStringLiteral("array") : QStringLiteral("none");
}

// A reply that ended before any HTTP answer, with the given transport code.
class TransportFailureReply : public QNetworkReply
{
public:
    explicit TransportFailureReply(NetworkError code)
    {
        setError(code, QStringLiteral("transport failure"));
        setOpenMode(QIODevice::ReadOnly);
        setFinished(true);
    }
    void abort() override {}

protected:
    qint64 readData(char *, qint64) override { return -1; }
};

const QString s_failed = QStringLiteral("Failed to send the request to portal.");

} // namespace

class TestNetworkReplyHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void classifiesHttpReplies_data();
    void classifiesHttpReplies();
    void transportFailuresUseTheTable_data();
    void transportFailuresUseTheTable();

    void brokenExchanges_data();
    void brokenExchanges();
    void slowPortalThatProgressesIsNotCutOff();

    void withoutReplyIsAnErrorWithoutText();
    void copyOutlivingTheReplyIsHarmless();

private:
    CannedHttpServer m_server;
};

void TestNetworkReplyHandler::initTestCase()
{
    QVERIFY(m_server.listen());
    ReplyTimeout::setInactivityTimeout(400);
}

void TestNetworkReplyHandler::init()
{
    m_server.setTrickle(0, 0);
}

void TestNetworkReplyHandler::classifiesHttpReplies_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("isError");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("json");

    const auto reply = [](int status, const QByteArray &body) { return CannedHttpServer::httpResponse(status, body); };

    QTest::newRow("200 true") << reply(200, "true") << false << QString() << "none";
    QTest::newRow("200 empty") << reply(200, "") << false << QString() << "none";
    QTest::newRow("204 no content") << QByteArray("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n") << false
                                    << QString() << "none";
    QTest::newRow("200 object") << reply(200, R"({"Id":5})") << false << QString() << "object";
    QTest::newRow("200 array") << reply(200, "[1,2]") << false << QString() << "array";
    QTest::newRow("200 object then NUL and garbage")
        << reply(200, QByteArray(R"({"Id":5})") + '\0' + "garbage") << false << QString() << "object";
    const QString unreadable = RequestInterface::unreadableAnswerText();
    QTest::newRow("200 two letters") << reply(200, "ok") << true << unreadable << "none";
    QTest::newRow("200 True is not true") << reply(200, "True") << true << unreadable << "none";
    QTest::newRow("200 malformed JSON") << reply(200, R"({"Id":)") << true << unreadable << "none";
    QTest::newRow("200 JSON scalar, not an object") << reply(200, "42") << true << unreadable << "none";
    QTest::newRow("201 object") << reply(201, R"({"Id":5})") << false << QString() << "object";

    QTest::newRow("404 message without full stop")
        << reply(404, R"({"ErrorMessage":"Folder not found"})") << true << "Folder not found. Error 404." << "none";
    QTest::newRow("404 message with full stop")
        << reply(404, R"({"ErrorMessage":"Folder not found."})") << true << "Folder not found. Error 404." << "none";
    QTest::newRow("403 empty") << reply(403, "") << true << s_failed + " Error 403." << "none";
    QTest::newRow("403 white space only") << reply(403, " \r\n\t") << true << s_failed + " Error 403." << "none";
    QTest::newRow("500 empty") << reply(500, "") << true << s_failed + " Error 500." << "none";
    QTest::newRow("401 whatever the body")
        << reply(401, R"({"ErrorMessage":"ignored"})") << true
        << "Authorization error:\nIncorrect login and/or password. Error 401." << "none";
    QTest::newRow("400 object without ErrorMessage") << reply(400, R"({"Other":1})") << true
                                                     << s_failed + " Error 400." << "none";
    QTest::newRow("400 ErrorMessage null") << reply(400, R"({"ErrorMessage":null})") << true
                                           << s_failed + " Error 400." << "none";
    QTest::newRow("400 JSON array, not an object") << reply(400, "[1]") << true << s_failed + " Error 400."
                                                   << "none";
    QTest::newRow("500 plain text") << reply(500, "Boom") << true << "Boom. Error 500." << "none";
    QTest::newRow("409 malformed JSON is shown raw") << reply(409, "{oops") << true << "{oops. Error 409." << "none";
    QTest::newRow("503 UTF-8 text") << reply(503, "Портал занят.") << true
                                    << QString::fromUtf8("Портал занят. Error 503.") << "none";
    // No network error, but no answer to the call either.
    QTest::newRow("302 redirect without network error")
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
        << true << s_failed + " Error 302." << "none";
}

void TestNetworkReplyHandler::classifiesHttpReplies()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, isError);
    QFETCH(QString, message);
    QFETCH(QString, json);

    m_server.respond(raw);
    const Outcome outcome = fetch(m_server.baseUrl() + QStringLiteral("/api/v1/Anything"));
    QCOMPARE(outcome.isError, isError);
    QCOMPARE(outcome.message, message);
    QCOMPARE(jsonKind(outcome.json), json);
}

void TestNetworkReplyHandler::transportFailuresUseTheTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("refused") << int(QNetworkReply::ConnectionRefusedError) << "The portal refused the connection.";
    QTest::newRow("closed") << int(QNetworkReply::RemoteHostClosedError) << "The portal closed the connection.";
    QTest::newRow("host not found") << int(QNetworkReply::HostNotFoundError) << "The portal address is not found.";
    QTest::newRow("timeout") << int(QNetworkReply::TimeoutError) << "The connection to the portal timed out.";
    QTest::newRow("internal server") << int(QNetworkReply::InternalServerError) << "The unexpected portal error.";
    QTest::newRow("unavailable") << int(QNetworkReply::ServiceUnavailableError) << "The portal is unavailable.";
    QTest::newRow("ssl handshake") << int(QNetworkReply::SslHandshakeFailedError) << "The ssl handshake error.";
    QTest::newRow("cancelled, not in the table") << int(QNetworkReply::OperationCanceledError)
                                                 << "Unexpected server error";
    QTest::newRow("unknown network error") << int(QNetworkReply::UnknownNetworkError) << "Unexpected server error";
}

void TestNetworkReplyHandler::transportFailuresUseTheTable()
{
    QFETCH(int, code);
    QFETCH(QString, message);

    auto *reply = new TransportFailureReply(QNetworkReply::NetworkError(code));
    const NetworkReplyHandler handler(reply);
    QVERIFY(handler.isError());
    QCOMPARE(handler.errorMessage(), message);
    QCOMPARE(int(handler.error()), code);
    QVERIFY(!handler.errorMessage().contains(QLatin1String("Error ")));
    QTRY_VERIFY(reply->findChildren<QObject *>().isEmpty()); // let the scheduled deletion run
}

void TestNetworkReplyHandler::brokenExchanges_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("keepOpen");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QByteArray started = CannedHttpServer::httpResponse(200, QByteArray(100, 'x'));
    started.chop(90);
    const QString closed = QStringLiteral("The portal closed the connection.");
    const QString timedOut = QStringLiteral("The connection to the portal timed out.");
    QTest::newRow("refused") << QByteArray() << false << int(QNetworkReply::ConnectionRefusedError) << 0
                             << "The portal refused the connection.";
    QTest::newRow("dropped before the reply") << QByteArray() << false << int(QNetworkReply::RemoteHostClosedError)
                                              << 0 << closed;
    QTest::newRow("dropped in the body") << started << false << -1 << 200 << closed;
    QTest::newRow("hung") << QByteArray() << true << int(QNetworkReply::TimeoutError) << 0 << timedOut;
    QTest::newRow("stalled in the body") << started << true << -1 << 200 << timedOut;
}

void TestNetworkReplyHandler::brokenExchanges()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, keepOpen);
    QFETCH(int, error);
    QFETCH(int, status);
    QFETCH(QString, message);
    QString url = m_server.baseUrl() + QStringLiteral("/api/v1/Settings");
    if (error == QNetworkReply::ConnectionRefusedError) {
        QTcpServer closedPort;
        QVERIFY(closedPort.listen(QHostAddress::LocalHost));
        url = QStringLiteral("http://127.0.0.1:%1/api/v1/Settings").arg(closedPort.serverPort());
        closedPort.close();
    } else {
        m_server.respond(raw, keepOpen ? Ending::KeepOpen : Ending::Close);
    }
    const Outcome outcome = fetch(url);
    QVERIFY(outcome.isError);
    if (error >= 0)
        QCOMPARE(int(outcome.error), error);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.message, message);
}

void TestNetworkReplyHandler::slowPortalThatProgressesIsNotCutOff()
{
    // Ten chunks, each well inside the time-out, the whole well beyond it.
    const QByteArray body = R"({"DocumentServer":{"Url":"http://docs"}})";
    const QByteArray raw = CannedHttpServer::httpResponse(200, body);
    m_server.setTrickle(body.size() / 10 + 1, ReplyTimeout::inactivityTimeout() / 4);
    m_server.respond(raw);
    QElapsedTimer timer;
    timer.start();
    const Outcome outcome = fetch(m_server.baseUrl() + QStringLiteral("/api/v1/Settings"));
    QVERIFY2(!outcome.isError, qPrintable(outcome.message));
    QVERIFY(outcome.json.isObject());
    QVERIFY(timer.elapsed() > ReplyTimeout::inactivityTimeout());
}

void TestNetworkReplyHandler::withoutReplyIsAnErrorWithoutText()
{
    const NetworkReplyHandler handler;
    QVERIFY(handler.isError());
    QVERIFY(handler.errorMessage().isEmpty());
    QVERIFY(handler.replyJSON().isNull());
    QVERIFY(!handler.reply());
    QCOMPARE(handler.defineErrorMessage(nullptr, QByteArrayLiteral("body")), QString());
}

void TestNetworkReplyHandler::copyOutlivingTheReplyIsHarmless()
{
    m_server.respond(CannedHttpServer::httpResponse(200, "true"));
    std::unique_ptr<NetworkReplyHandler> copy;
    {
        PortalExchange exchange;
        const NetworkReplyHandler handler(exchange.get(QNetworkRequest(QUrl(m_server.baseUrl()))));
        copy = std::make_unique<NetworkReplyHandler>(handler);
        QVERIFY(copy->reply());
    } // the exchange takes its replies with it
    QVERIFY(!copy->reply());
    QVERIFY(!copy->isError());
    copy.reset();
}

VELLIX_TEST_MAIN(TestNetworkReplyHandler, QCoreApplication)
#include "tst_networkreplyhandler.moc"
