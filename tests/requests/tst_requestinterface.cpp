#include "cannedhttpserver.h"
#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/requestinterface.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QtTest>

namespace {

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

    void composesUrlAndHeaders_data();
    void composesUrlAndHeaders();

    void runCalledDirectlyEmitsOnTheCallingThread();

    void streamsSuccessfulBodiesIntoTheSink();
    void keepsErrorBodiesOutOfTheSink();
    void abortsWhenTheSinkRefuses();

private:
    CannedHttpServer m_canned;
    Settings m_settings;
};

void TestRequestInterface::initTestCase()
{
    QVERIFY(m_canned.listen());
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
    const QNetworkRequest request = ImmediateRequest().createRequest(path);
    QCOMPARE(request.url().toString(), url);
    QCOMPARE(request.rawHeader("Content-Type"), QByteArrayLiteral("application/json"));
    QCOMPARE(request.hasRawHeader("Authorization"), !token.isEmpty());
    QCOMPARE(request.rawHeader("Authorization"), token.toUtf8());
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
