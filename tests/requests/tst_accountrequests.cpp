#include "logcapture.h"
#include "requestrunner.h"
#include "requests/authrequest.h"
#include "requests/forgotpasswordrequest.h"
#include "requests/getserversettingsrequest.h"
#include "requests/refreshtokenrequest.h"
#include "requests/replytimeout.h"
#include "requests/supportrequest.h"
#include "requests/userregisterrequest.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QTcpServer>
#include <QtTest>

namespace {

const QStringList s_signInKeys = {"access_token", "error", "refresh_token", "success", "user_company",
                                  "user_email", "user_first_name", "user_id", "user_login", "user_middle_name",
                                  "user_name", "user_surname"};

QJsonObject bodyOf(const QJsonObject &recorded)
{
    return QJsonDocument::fromJson(recorded.value(QStringLiteral("body")).toString().toUtf8()).object();
}

} // namespace

class TestAccountRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signInSucceeds();
    void signInWithWrongPasswordReportsOnlyTheError();
    void signInWithRefusedPortalStatus();
    void signInRefusesAnEmptyTokenString();
    void signInRefusesATokenThatIsNoString();
    void signInFailures_data();
    void signInFailures();
    void signInToAClosedPort();

    void refreshTradesTheTokens();
    void refreshWithAnInvalidTokenFails();

    void registerSendsItsFixedFields();
    void registerOfAnExistingUser();

    void forgotPasswordCarriesTheExplanation_data();
    void forgotPasswordCarriesTheExplanation();

    void serverSettingsGiveTheDocumentServer();
    void serverSettingsFailure();

    void supportFeedback();
    void supportFeedbackRefused();

    void logsCarryNoSecrets();

private:
    QVariantMap run(RequestInterface *request);
    QJsonObject lastRecorded();
    QString signInTokens(QString *refreshToken);

    SimulatorProcess m_simulator;
    RequestRunner m_runner;
    Settings m_settings;
};

void TestAccountRequests::initTestCase()
{
    QVERIFY(m_simulator.start());
    ReplyTimeout::setInactivityTimeout(500);
}

void TestAccountRequests::init()
{
    QVERIFY(m_simulator.reset());
    m_settings.savePortalAddress(m_simulator.baseUrl());
    m_settings.saveAccessToken(QString());
}

void TestAccountRequests::cleanup()
{
    QVERIFY(m_simulator.clearFaults());
}

QVariantMap TestAccountRequests::run(RequestInterface *request)
{
    const QVariantMap result = m_runner.run(request);
    // Every run reports exactly once, from its pool thread, to the test's thread.
    [&] {
        QCOMPARE(m_runner.emissions(), 1);
        QVERIFY(m_runner.emittingThread() != thread());
        QCOMPARE(m_runner.receivingThread(), thread());
    }();
    return result;
}

QJsonObject TestAccountRequests::lastRecorded()
{
    const QJsonArray requests = m_simulator.requests();
    return requests.isEmpty() ? QJsonObject() : requests.last().toObject();
}

QString TestAccountRequests::signInTokens(QString *refreshToken)
{
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    *refreshToken = result.value(QStringLiteral("refresh_token")).toString();
    return result.value(QStringLiteral("access_token")).toString();
}

void TestAccountRequests::signInSucceeds()
{
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(QStringList(result.keys()), s_signInKeys);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QCOMPARE(result.value(QStringLiteral("error")).toString(), QString());
    QVERIFY(!result.value(QStringLiteral("access_token")).toString().isEmpty());
    QVERIFY(!result.value(QStringLiteral("refresh_token")).toString().isEmpty());
    QCOMPARE(result.value(QStringLiteral("user_id")).type(), QVariant::Int);
    QVERIFY(result.value(QStringLiteral("user_id")).toInt() > 0);
    QCOMPARE(result.value(QStringLiteral("user_login")).toString(), SimulatorProcess::s_demoLogin);

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v2/auth/login"));
    const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("content-type")).toString(), QStringLiteral("application/json"));
    QVERIFY(!headers.contains(QStringLiteral("authorization")));
    const QJsonObject body = bodyOf(recorded);
    QCOMPARE(QStringList(body.keys()),
             (QStringList{"ApplicationVersion", "DeviceId", "Login", "OsVersion", "Password"}));
    QCOMPARE(body.value(QStringLiteral("Login")).toString(), SimulatorProcess::s_demoLogin);
    QCOMPARE(body.value(QStringLiteral("Password")).toString(), SimulatorProcess::s_demoPassword);
    QCOMPARE(body.value(QStringLiteral("ApplicationVersion")).toString(), QStringLiteral("1.8.5.114"));
    QVERIFY(!body.value(QStringLiteral("DeviceId")).toString().isEmpty());
    QVERIFY(!body.value(QStringLiteral("OsVersion")).toString().isEmpty());
}

void TestAccountRequests::signInWithWrongPasswordReportsOnlyTheError()
{
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, QStringLiteral("wrong")));
    QCOMPARE(result, (QVariantMap{{QStringLiteral("error"),
                                   QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")}}));
}

void TestAccountRequests::signInWithRefusedPortalStatus()
{
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/login"),
                                 {{QStringLiteral("status"), 200}, {QStringLiteral("body"), QJsonObject{{"Status", 403}}}}));
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(QStringList(result.keys()), s_signInKeys);
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(false));
    QCOMPARE(result.value(QStringLiteral("error")).toString(), QStringLiteral("The portal refused the sign-in."));
    QCOMPARE(result.value(QStringLiteral("user_id")).toInt(), 0);
    QCOMPARE(result.value(QStringLiteral("user_login")).toString(), QString());
    QCOMPARE(result.value(QStringLiteral("access_token")).toString(), QString());
}

void TestAccountRequests::signInRefusesAnEmptyTokenString()
{
    const QJsonObject body = QJsonDocument::fromJson(R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":""}}}})").object();
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/login"), {{"status", 200}, {"body", body}}));
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(false));
    QCOMPARE(result.value(QStringLiteral("error")).toString(), QStringLiteral("The portal did not return an access token."));
}

void TestAccountRequests::signInRefusesATokenThatIsNoString()
{
    const QJsonObject body = QJsonDocument::fromJson(R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":5}}}})").object();
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/login"), {{"status", 200}, {"body", body}}));
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(false));
}

void TestAccountRequests::signInFailures_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("error");

    QTest::newRow("hung portal") << QJsonObject{{"mode", "hang"}} << "The connection to the portal timed out.";
    QTest::newRow("dropped connection") << QJsonObject{{"mode", "drop"}} << "The portal closed the connection.";
    QTest::newRow("truncated reply") << QJsonObject{{"mode", "truncated"}} << "The portal closed the connection.";
    QTest::newRow("malformed JSON") << QJsonObject{{"mode", "malformed"}}
                                    << "The portal sent an answer that cannot be read.";
    QTest::newRow("server error with message")
        << QJsonObject{{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Database is down"}}}}
        << "Database is down. Error 500.";
    QTest::newRow("unavailable, empty body") << QJsonObject{{"status", 503}, {"body", ""}}
                                             << "Failed to send the request to portal. Error 503.";
}

void TestAccountRequests::signInFailures()
{
    QFETCH(QJsonObject, fault);
    QFETCH(QString, error);
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/login"), fault));
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(result, (QVariantMap{{QStringLiteral("error"), error}}));
}

void TestAccountRequests::signInToAClosedPort()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    m_settings.savePortalAddress(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
    closed.close();
    const QVariantMap result = run(new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword));
    QCOMPARE(result.value(QStringLiteral("error")).toString(), QStringLiteral("The portal refused the connection."));
}

void TestAccountRequests::refreshTradesTheTokens()
{
    QString refreshToken;
    const QString accessToken = signInTokens(&refreshToken);
    m_settings.saveAccessToken(accessToken);

    const QVariantMap result = run(new RefreshTokenRequest(accessToken, refreshToken, m_simulator.baseUrl()));
    QCOMPARE(QStringList(result.keys()), (QStringList{"access_token", "error", "refresh_token", "success"}));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QCOMPARE(result.value(QStringLiteral("error")).toString(), QString());
    QVERIFY(!result.value(QStringLiteral("access_token")).toString().isEmpty());
    QVERIFY(result.value(QStringLiteral("refresh_token")).toString() != refreshToken);

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v2/auth/refresh"));
    QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("authorization")).toString(),
             accessToken);
    const QJsonObject body = bodyOf(recorded);
    QCOMPARE(QStringList(body.keys()), (QStringList{"DeviceId", "RefreshToken", "Token"}));
    QCOMPARE(body.value(QStringLiteral("Token")).toString(), accessToken);
    QCOMPARE(body.value(QStringLiteral("RefreshToken")).toString(), refreshToken);
}

void TestAccountRequests::refreshWithAnInvalidTokenFails()
{
    const QVariantMap result =
        run(new RefreshTokenRequest(QStringLiteral("a"), QStringLiteral("not-issued"), m_simulator.baseUrl()));
    QCOMPARE(result, (QVariantMap{{QStringLiteral("success"), false},
                                  {QStringLiteral("error"),
                                   QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")}}));
}

void TestAccountRequests::registerSendsItsFixedFields()
{
    const QVariantMap result = run(new UserRegisterRequest(QStringLiteral("new.user@vellix.local"),
                                                           QStringLiteral("s3cret!"), QStringLiteral("Anna"),
                                                           QStringLiteral("Petrova")));
    QCOMPARE(result, (QVariantMap{{QStringLiteral("success"), true}, {QStringLiteral("error"), QString()}}));

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v2/auth/register"));
    const QJsonObject expected{{"Phone", ""},
                               {"Email", "new.user@vellix.local"},
                               {"UserPassword", "s3cret!"},
                               {"FirstName", "Anna"},
                               {"Surname", "Petrova"},
                               {"Application", "aurora"}};
    QCOMPARE(bodyOf(recorded), expected);
}

void TestAccountRequests::registerOfAnExistingUser()
{
    const QVariantMap result = run(new UserRegisterRequest(SimulatorProcess::s_demoLogin, QStringLiteral("x"),
                                                           QStringLiteral("A"), QStringLiteral("B")));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(false));
    QVERIFY(result.value(QStringLiteral("error")).toString().endsWith(QLatin1String("Error 409.")));
}

void TestAccountRequests::forgotPasswordCarriesTheExplanation_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("data");

    QTest::newRow("known user") << SimulatorProcess::s_demoLogin << true << QString()
                                << "A password recovery message has been sent";
    QTest::newRow("unknown user") << "nobody@vellix.local" << false << "User not found. Error 404." << "User not found";
}

void TestAccountRequests::forgotPasswordCarriesTheExplanation()
{
    QFETCH(QString, login);
    QFETCH(bool, success);
    QFETCH(QString, error);
    QFETCH(QString, data);

    const QVariantMap result = run(new ForgotPasswordRequest(login));
    QCOMPARE(QStringList(result.keys()), (QStringList{"data", "error", "success"}));
    QCOMPARE(result.value(QStringLiteral("success")).toBool(), success);
    QCOMPARE(result.value(QStringLiteral("error")).toString(), error);
    QCOMPARE(result.value(QStringLiteral("data")).toMap().value(QStringLiteral("Data")).toString(), data);

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v2/auth/Forgot"));
    QCOMPARE(bodyOf(recorded), (QJsonObject{{"Login", login}}));
}

void TestAccountRequests::serverSettingsGiveTheDocumentServer()
{
    const QString token = m_simulator.validAccessToken();
    m_settings.saveAccessToken(token);
    const QVariantMap result = run(new GetServerSettingsRequest);
    QCOMPARE(QStringList(result.keys()), (QStringList{"documentServer", "success"}));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
    QVERIFY(!result.value(QStringLiteral("documentServer")).toMap().value(QStringLiteral("Url")).toString().isEmpty());

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("method")).toString(), QStringLiteral("GET"));
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v1/Settings"));
    QCOMPARE(recorded.value(QStringLiteral("body")).toString(), QString());
    // The raw token, no scheme word in front.
    QCOMPARE(recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("authorization")).toString(), token);
}

void TestAccountRequests::serverSettingsFailure()
{
    QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), {{"status", 502}, {"body", "Bad gateway"}}));
    const QVariantMap result = run(new GetServerSettingsRequest);
    QCOMPARE(result, (QVariantMap{{QStringLiteral("success"), false},
                                  {QStringLiteral("error"), QStringLiteral("Bad gateway. Error 502.")}}));
}

void TestAccountRequests::supportFeedback()
{
    m_settings.saveAccessToken(QStringLiteral("tok"));
    const SupportRequest::SupportData data{QStringLiteral("http://ignored.example"), QStringLiteral("me@vellix.local"),
                                           QStringLiteral("Subject & more"), QStringLiteral("It works?")};
    const QVariantMap result = run(new SupportRequest(data));
    QCOMPARE(result, (QVariantMap{{QStringLiteral("success"), true}, {QStringLiteral("error"), QString()}}));

    const QJsonObject recorded = lastRecorded();
    QCOMPARE(recorded.value(QStringLiteral("path")).toString(), QStringLiteral("/api/v1/Support/Feedback"));
    const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("content-type")).toString(), QStringLiteral("application/json"));
    QCOMPARE(headers.value(QStringLiteral("authorization")).toString(), QStringLiteral("tok"));
    QCOMPARE(bodyOf(recorded), (QJsonObject{{"Login", "me@vellix.local"},
                                            {"Subject", "Subject & more"},
                                            {"Text", "It works?"},
                                            {"Version", "1.8.5.114"}}));
}

void TestAccountRequests::supportFeedbackRefused()
{
    const QVariantMap result = run(new SupportRequest({m_simulator.baseUrl(), QStringLiteral("me@vellix.local"),
                                                       QStringLiteral("Empty"), QStringLiteral("  ")}));
    QCOMPARE(result.value(QStringLiteral("success")), QVariant(false));
    QVERIFY(result.value(QStringLiteral("error")).toString().endsWith(QLatin1String("Error 400.")));
}

void TestAccountRequests::logsCarryNoSecrets()
{
    LogCapture log;
    QString refreshToken;
    const QString accessToken = signInTokens(&refreshToken);
    m_settings.saveAccessToken(accessToken);
    const QVariantMap refreshed = run(new RefreshTokenRequest(accessToken, refreshToken, m_simulator.baseUrl()));
    run(new UserRegisterRequest(QStringLiteral("other@vellix.local"), QStringLiteral("Pa55-word"), QStringLiteral("A"),
                                QStringLiteral("B")));
    run(new GetServerSettingsRequest);

    const QStringList lines = log.lines();
    const QStringList secrets{accessToken, refreshToken, QStringLiteral("Pa55-word"),
                              refreshed.value(QStringLiteral("access_token")).toString(),
                              refreshed.value(QStringLiteral("refresh_token")).toString()};
    for (const QString &secret : secrets) {
        QVERIFY(!secret.isEmpty());
        for (const QString &line : lines)
            QVERIFY2(!line.contains(secret), qPrintable(line));
    }
    // The demo password is part of the demo login, so its body line is checked for the mask instead.
    QVERIFY(!log.linesWith(QStringLiteral(R"("Password":"***")")).isEmpty());
    QVERIFY(!log.linesWith(QStringLiteral(R"("UserPassword":"***")")).isEmpty());
    QVERIFY(!log.linesWith(QStringLiteral(R"("access_token":"***")")).isEmpty());
    // What is not secret stays readable.
    QVERIFY(lines.contains(QStringLiteral("Sending request POST /api/v2/auth/login")));
    QVERIFY(lines.contains(QStringLiteral("REQUEST %1/api/v2/auth/login").arg(m_simulator.baseUrl())));
    QVERIFY(!log.linesWith(SimulatorProcess::s_demoLogin).isEmpty());
    QVERIFY(!log.linesWith(QStringLiteral(R"("ApplicationVersion":"1.8.5.114")")).isEmpty());
}

VELLIX_TEST_MAIN(TestAccountRequests, QCoreApplication)
#include "tst_accountrequests.moc"
