#include "cannedhttpserver.h"
#include "logcapture.h"
#include "requestrunner.h"
#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/requestinterface.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QtTest>

namespace {

// The smallest request: one exchange on a path, success when the reply is.
class PathRequest : public RequestInterface
{
public:
    PathRequest(PortalExchange::Method method, const QString &path)
        : m_method(method)
        , m_path(path)
    {
    }

protected:
    QVariantMap perform() override
    {
        PortalExchange exchange;
        QNetworkReply *reply = exchange.start(m_method, createRequest(m_path), QByteArrayLiteral("{}"));
        PortalExchange::waitForFinished(reply);
        const NetworkReplyHandler handler(reply);
        return {{s_successKey, !handler.isError()}, {s_errorKey, handler.errorMessage()}};
    }

private:
    PortalExchange::Method m_method;
    QString m_path;
};

// Returns without any network, to look at the frame alone.
class ImmediateRequest : public RequestInterface
{
protected:
    QVariantMap perform() override { return {{s_successKey, true}}; }
};

// A sink that takes a few bytes and then refuses, like a full disk.
class FullDisk : public QBuffer
{
protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (size() >= 4)
            return -1;
        return QBuffer::writeData(data, qMin<qint64>(length, 4));
    }
};

} // namespace

class TestRequestInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void composesUrlAndHeaders_data();
    void composesUrlAndHeaders();
    void sendsTheRawTokenWithoutScheme();
    void queryValuesReachThePortalUnchanged_data();
    void queryValuesReachThePortalUnchanged();
    void sendsEachMethod_data();
    void sendsEachMethod();

    void emitsOncePerRunFromThePool();
    void runCalledDirectlyEmitsOnTheCallingThread();
    void jsonIsCompact();
    void loopbackPortalIsOnline();

    void streamsSuccessfulBodiesIntoTheSink();
    void keepsErrorBodiesOutOfTheSink();
    void abortsWhenTheSinkRefuses();

private:
    SimulatorProcess m_simulator;
    CannedHttpServer m_canned;
    Settings m_settings;
    RequestRunner m_runner;
};

void TestRequestInterface::initTestCase()
{
    QVERIFY(m_simulator.start());
    QVERIFY(m_canned.listen());
}

void TestRequestInterface::init()
{
    m_settings.savePortalAddress(m_simulator.baseUrl());
    m_settings.saveAccessToken(QString());
    QVERIFY(m_simulator.clearRequests());
}

void TestRequestInterface::composesUrlAndHeaders_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("url");

    const QString base = QStringLiteral("https://portal.example.com");
    QTest::newRow("v2 before sign-in") << base << ApiPath::v2(ApiContants::s_authentificate).toString() << QString()
                                       << "https://portal.example.com/api/v2/auth/login";
    QTest::newRow("v1 signed in") << base << ApiPath::v1(ApiContants::s_getFolders).query(QStringLiteral("id"), 5).toString()
                                  << "tok" << "https://portal.example.com/api/v1/DocumentDirectory/Get?id=5";
    QTest::newRow("address with port and trailing slash")
        << "http://127.0.0.1:8080/" << ApiPath::v1(ApiContants::s_getSettings).toString() << "tok"
        << "http://127.0.0.1:8080/api/v1/Settings";
    QTest::newRow("address below a path") << "https://example.com/portal"
                                          << ApiPath::v1(ApiContants::s_userTask).query(QStringLiteral("Id"), 3).toString()
                                          << QString() << "https://example.com/portal/api/v1/UserTask?Id=3";
}

void TestRequestInterface::composesUrlAndHeaders()
{
    QFETCH(QString, address);
    QFETCH(QString, path);
    QFETCH(QString, token);
    QFETCH(QString, url);

    m_settings.savePortalAddress(address);
    m_settings.saveAccessToken(token);
    LogCapture log;
    const QNetworkRequest request = ImmediateRequest().createRequest(path);
    QCOMPARE(request.url().toString(), url);
    QCOMPARE(request.rawHeader("Content-Type"), QByteArrayLiteral("application/json"));
    QCOMPARE(request.hasRawHeader("Authorization"), !token.isEmpty());
    QCOMPARE(request.rawHeader("Authorization"), token.toUtf8());
    QCOMPARE(log.linesWith(QStringLiteral("REQUEST")), QStringList{QStringLiteral("REQUEST ") + url});
}

void TestRequestInterface::sendsTheRawTokenWithoutScheme()
{
    const QString token = m_simulator.validAccessToken();
    QVERIFY(!token.isEmpty());
    m_settings.saveAccessToken(token);
    const QVariantMap result =
        m_runner.run(new PathRequest(PortalExchange::Method::Get, ApiPath::v1(ApiContants::s_getFolders).toString()));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    const QJsonObject recorded = m_simulator.requests().last().toObject();
    QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("authorization")).toString(), token);
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v1/DocumentDirectory/Get"));
}

void TestRequestInterface::queryValuesReachThePortalUnchanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ampersand") << "R&D";
    QTest::newRow("number sign and question mark") << "#1?";
    QTest::newRow("plus") << "C++";
    QTest::newRow("percent") << "100% done";
    QTest::newRow("spaces") << "annual  report ";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("cyrillic") << "Отчёт";
}

void TestRequestInterface::queryValuesReachThePortalUnchanged()
{
    QFETCH(QString, text);
    m_settings.saveAccessToken(m_simulator.validAccessToken());
    const QString path =
        ApiPath::v1(ApiContants::s_searchFolder).query(QStringLiteral("text"), text).query(QStringLiteral("id"), 12).toString();
    m_runner.run(new PathRequest(PortalExchange::Method::Get, path));
    const QJsonObject recorded = m_simulator.requests().last().toObject();
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v1/DocumentDirectory/Search"));
    const QJsonObject query = recorded.value(QStringLiteral("query")).toObject();
    QCOMPARE(query.value(QStringLiteral("text")).toString(), text);
    QCOMPARE(query.value(QStringLiteral("id")).toString(), QStringLiteral("12"));
    QCOMPARE(query.size(), 2);
}

void TestRequestInterface::sendsEachMethod_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("name");
    QTest::newRow("get") << int(PortalExchange::Method::Get) << "GET";
    QTest::newRow("post") << int(PortalExchange::Method::Post) << "POST";
    QTest::newRow("delete") << int(PortalExchange::Method::Delete) << "DELETE";
}

void TestRequestInterface::sendsEachMethod()
{
    QFETCH(int, method);
    QFETCH(QString, name);
    m_settings.saveAccessToken(m_simulator.validAccessToken());
    m_runner.run(new PathRequest(PortalExchange::Method(method), ApiPath::v1(ApiContants::s_clearFavorites).toString()));
    const QJsonObject recorded = m_simulator.requests().last().toObject();
    QCOMPARE(recorded.value(QStringLiteral("method")).toString(), name);
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v1/Favorites/Delete"));
    QCOMPARE(recorded.value(QStringLiteral("query")).toObject().value(QStringLiteral("type")).toString(),
             QStringLiteral("Document"));
    QCOMPARE(recorded.value(QStringLiteral("body")).toString(), name == QLatin1String("POST") ? "{}" : "");
}

void TestRequestInterface::emitsOncePerRunFromThePool()
{
    // Both a request that returns at once and one that waits for a failing exchange.
    m_settings.savePortalAddress(m_canned.baseUrl());
    m_canned.respond(CannedHttpServer::httpResponse(500, ""));
    for (RequestInterface *request :
         {static_cast<RequestInterface *>(new ImmediateRequest),
          static_cast<RequestInterface *>(new PathRequest(PortalExchange::Method::Get, QStringLiteral("/x")))}) {
        QVERIFY(request->autoDelete());
        m_runner.run(request);
        QCOMPARE(m_runner.emissions(), 1);
        QVERIFY(m_runner.emittingThread() != thread());
        QCOMPARE(m_runner.receivingThread(), thread());
    }
}

void TestRequestInterface::runCalledDirectlyEmitsOnTheCallingThread()
{
    ImmediateRequest request;
    QThread *emittedOn = nullptr;
    QVariantMap received;
    connect(&request, &RequestInterface::requestFinished, this, [&](const QVariantMap &result) {
        emittedOn = QThread::currentThread();
        received = result;
    });
    request.run();
    QCOMPARE(emittedOn, thread());
    QCOMPARE(received, (QVariantMap{{QStringLiteral("success"), true}}));
}

void TestRequestInterface::jsonIsCompact()
{
    const QJsonObject object{{QStringLiteral("Ids"), QJsonArray{7}}, {QStringLiteral("Name"), QStringLiteral("a b")}};
    QCOMPARE(RequestInterface::jsonToQByteArray(object), QByteArrayLiteral(R"({"Ids":[7],"Name":"a b"})"));
}

void TestRequestInterface::loopbackPortalIsOnline()
{
    QVERIFY(RequestInterface::isOnline());
}

void TestRequestInterface::streamsSuccessfulBodiesIntoTheSink()
{
    const QByteArray body(300000, 'd');
    m_canned.respond(CannedHttpServer::httpResponse(200, body, "application/octet-stream"));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    PortalExchange exchange;
    QNetworkReply *reply = exchange.start(PortalExchange::Method::Get, QNetworkRequest(QUrl(m_canned.baseUrl())));
    QVERIFY(PortalExchange::waitForFinished(reply, &sink));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(sink.data(), body);
    QCOMPARE(reply->bytesAvailable(), 0);
}

void TestRequestInterface::keepsErrorBodiesOutOfTheSink()
{
    m_canned.respond(CannedHttpServer::httpResponse(404, R"({"ErrorMessage":"No such document"})"));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    PortalExchange exchange;
    QNetworkReply *reply = exchange.start(PortalExchange::Method::Get, QNetworkRequest(QUrl(m_canned.baseUrl())));
    QVERIFY(PortalExchange::waitForFinished(reply, &sink));
    QVERIFY(sink.data().isEmpty());
    // The handler still gets the portal's explanation.
    const NetworkReplyHandler handler(reply);
    QCOMPARE(handler.errorMessage(), QStringLiteral("No such document. Error 404."));
}

void TestRequestInterface::abortsWhenTheSinkRefuses()
{
    m_canned.respond(CannedHttpServer::httpResponse(200, QByteArray(100000, 'd'), "application/octet-stream"));
    FullDisk sink;
    sink.open(QIODevice::WriteOnly);
    PortalExchange exchange;
    QNetworkReply *reply = exchange.start(PortalExchange::Method::Get, QNetworkRequest(QUrl(m_canned.baseUrl())));
    QVERIFY(!PortalExchange::waitForFinished(reply, &sink));
    QVERIFY(reply->isFinished());
    QCOMPARE(reply->error(), QNetworkReply::OperationCanceledError);
}

VELLIX_TEST_MAIN(TestRequestInterface, QCoreApplication)
#include "tst_requestinterface.moc"
