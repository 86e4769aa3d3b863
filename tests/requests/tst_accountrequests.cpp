#include "logcapture.h"
#include "portalfaults.h"
#include "portalsuite.h"
#include "requests/authrequest.h"
#include "requests/forgotpasswordrequest.h"
#include "requests/getserversettingsrequest.h"
#include "requests/refreshtokenrequest.h"
#include "requests/replytimeout.h"
#include "requests/supportrequest.h"
#include "requests/userregisterrequest.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QtTest>

#include <functional>

namespace {

// Tokens of a real sign-in, for the calls that need them.
struct Tokens
{
    QString access;
    QString refresh;
};

using RequestFactory = std::function<RequestInterface *(const Tokens &)>;

// One account call: what the portal receives ("*" in the body: any text but
// an empty one; authorization "$access": the signed-in token) and the keys of
// its success map.
struct AccountCase
{
    const char *name;
    RequestFactory make;
    QString method;
    QString path;
    QJsonObject body;
    QString authorization;
    QString successKeys;
};

const QString s_signInKeys = QStringLiteral(
    "access_token:QString error:QString refresh_token:QString success:bool user_company:QString user_email:QString "
    "user_first_name:QString user_id:int user_login:QString user_middle_name:QString user_name:QString "
    "user_surname:QString");
const QString s_unauthorized = QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.");

RequestInterface *demoSignIn(const Tokens &)
{
    return new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword);
}

QList<AccountCase> accountCases()
{
    const QString v2 = QStringLiteral("/api/v2/auth/");
    return {
        {"sign-in", demoSignIn, "POST", v2 + "login",
         {{"ApplicationVersion", "1.8.5.114"}, {"DeviceId", "*"}, {"Login", SimulatorProcess::s_demoLogin},
          {"OsVersion", "*"}, {"Password", SimulatorProcess::s_demoPassword}},
         QString(), s_signInKeys},
        {"refresh", [](const Tokens &t) { return new RefreshTokenRequest(t.access, t.refresh, QString()); }, "POST",
         v2 + "refresh", {{"DeviceId", "*"}, {"RefreshToken", "$refresh"}, {"Token", "$access"}}, "$access",
         "access_token:QString error:QString refresh_token:QString success:bool"},
        {"register", [](const Tokens &) { return new UserRegisterRequest("new.user@vellix.local", "s3cret!", "Anna", "Petrova"); },
         "POST", v2 + "register",
         {{"Phone", ""}, {"Email", "new.user@vellix.local"}, {"UserPassword", "s3cret!"}, {"FirstName", "Anna"},
          {"Surname", "Petrova"}, {"Application", "aurora"}},
         QString(), "error:QString success:bool"},
        {"forgot password", [](const Tokens &) { return new ForgotPasswordRequest(SimulatorProcess::s_demoLogin); },
         "POST", v2 + "Forgot", {{"Login", SimulatorProcess::s_demoLogin}}, QString(),
         "data:QVariantMap error:QString success:bool"},
        // The raw token, no scheme word in front.
        {"server settings", [](const Tokens &) { return new GetServerSettingsRequest; }, "GET", "/api/v1/Settings", {},
         "$access", "documentServer:QVariantMap success:bool"},
        {"support", [](const Tokens &) {
             return new SupportRequest({"http://ignored.example", "me@vellix.local", "Subject & more", "It works?"});
         },
         "POST", "/api/v1/Support/Feedback",
         {{"Login", "me@vellix.local"}, {"Subject", "Subject & more"}, {"Text", "It works?"}, {"Version", "1.8.5.114"}},
         "$access", "error:QString success:bool"},
    };
}

QString substituted(const QString &value, const Tokens &tokens)
{
    return value == QLatin1String("$access") ? tokens.access
           : value == QLatin1String("$refresh") ? tokens.refresh
                                                : value;
}

} // namespace

Q_DECLARE_METATYPE(RequestFactory)

// The sign-in, session and account calls against the simulator.
class TestAccountRequests : public QObject
{
    Q_OBJECT

private:
    PortalSuite m_portal;
    SimulatorProcess &m_simulator = m_portal.simulator();

    QVariantMap run(RequestInterface *request) { return m_portal.run(request); }

    Tokens signIn()
    {
        const QVariantMap result = m_portal.run(demoSignIn({}));
        const Tokens tokens{result.value(QStringLiteral("access_token")).toString(),
                            result.value(QStringLiteral("refresh_token")).toString()};
        m_portal.settings().saveAccessToken(tokens.access);
        m_simulator.clearRequests();
        return tokens;
    }

    static void addCaseRows()
    {
        QTest::addColumn<int>("index");
        const QList<AccountCase> cases = accountCases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::addRow("%s", cases[i].name) << i;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_portal.start());
    }

    void init()
    {
        QVERIFY(m_portal.prepare());
    }

    void cleanup()
    {
        QVERIFY(m_portal.tidyUp());
    }

    void wireFormAndSuccess_data()
    {
        addCaseRows();
    }

    void wireFormAndSuccess()
    {
        QFETCH(int, index);
        const AccountCase expected = accountCases().at(index);
        const Tokens tokens = signIn();
        QVERIFY(!tokens.access.isEmpty() && !tokens.refresh.isEmpty());
        // The calls made before a sign-in go without a token.
        if (expected.authorization.isEmpty())
            m_portal.settings().saveAccessToken(QString());

        const QVariantMap result = run(expected.make(tokens));
        const QString mismatch = PortalSuite::keysAndTypesMismatch(result, expected.successKeys);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QCOMPARE(result.value(QStringLiteral("success")), QVariant(true));
        QCOMPARE(result.value(QStringLiteral("error")).toString(), QString());
        if (result.contains(QStringLiteral("user_id")))
            QVERIFY(result.value(QStringLiteral("user_id")).toInt() > 0);
        if (index == 1)
            QVERIFY(result.value(QStringLiteral("refresh_token")).toString() != tokens.refresh);
        if (result.contains(QStringLiteral("documentServer")))
            QVERIFY(!result.value(QStringLiteral("documentServer")).toMap().value(QStringLiteral("Url")).toString().isEmpty());

        const QJsonArray requests = m_simulator.requests();
        QCOMPARE(requests.size(), 1);
        const QJsonObject recorded = requests.first().toObject();
        QCOMPARE(recorded.value(QStringLiteral("method")).toString(), expected.method);
        QCOMPARE(recorded.value(QStringLiteral("path")).toString(), expected.path);
        const QJsonObject headers = recorded.value(QStringLiteral("headers")).toObject();
        if (expected.authorization.isEmpty())
            QVERIFY(!headers.contains(QStringLiteral("authorization")));
        else
            QCOMPARE(headers.value(QStringLiteral("authorization")).toString(), substituted(expected.authorization, tokens));
        const QByteArray rawBody = recorded.value(QStringLiteral("body")).toString().toUtf8();
        if (expected.body.isEmpty()) {
            QCOMPARE(rawBody, QByteArray());
            return;
        }
        QCOMPARE(headers.value(QStringLiteral("content-type")).toString(), QStringLiteral("application/json"));
        const QJsonObject body = QJsonDocument::fromJson(rawBody).object();
        QCOMPARE(QStringList(body.keys()), QStringList(expected.body.keys()));
        for (auto it = expected.body.begin(); it != expected.body.end(); ++it) {
            if (it.value() == QLatin1String("*"))
                QVERIFY2(!body.value(it.key()).toString().isEmpty(), qPrintable(it.key()));
            else
                QCOMPARE(body.value(it.key()).toString(), substituted(it.value().toString(), tokens));
        }
    }

    // Every failure class of every call, and a text that says why: the page has nothing else to show.
    void failures_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("error");
        QList<PortalFaults::FaultClass> classes{
            {"hang", {{"mode", "hang"}}, "The connection to the portal timed out."},
            {"truncated reply", {{"mode", "truncated"}}, "The portal closed the connection."},
            {"malformed JSON", {{"mode", "malformed"}}, "The portal sent an answer that cannot be read."},
            {"unavailable, empty body", {{"status", 503}, {"body", ""}}, "Failed to send the request to portal. Error 503."},
            {"plain text body", {{"status", 502}, {"body", "Bad gateway"}}, "Bad gateway. Error 502."},
        };
        for (const PortalFaults::FaultClass &failure : PortalFaults::jsonFailures()) {
            if (!failure.fault.contains(QStringLiteral("expire")) && !failure.error.isEmpty())
                classes << failure;
        }
        const QList<AccountCase> cases = accountCases();
        for (int i = 0; i < cases.size(); ++i) {
            for (const PortalFaults::FaultClass &failure : qAsConst(classes))
                QTest::addRow("%s, %s", cases[i].name, failure.name) << i << failure.fault << failure.error;
        }
        // Refusals that come inside a readable answer.
        const auto answer = [](const char *body) {
            return QJsonObject{{"status", 200}, {"body", QJsonDocument::fromJson(body).object()}};
        };
        QTest::newRow("sign-in, refused in the answer") << 0 << answer(R"({"Status":403})")
                                                        << "The portal refused the sign-in.";
        QTest::newRow("sign-in, empty token") << 0
                                              << answer(R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":""}}}})")
                                              << "The portal did not return an access token.";
        QTest::newRow("sign-in, token no text") << 0
                                                << answer(R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":5}}}})")
                                                << "The portal did not return an access token.";
        QTest::newRow("refresh, refused without a word") << 1 << answer(R"({"Status":401})")
                                                         << "The portal refused to renew the session.";
        QTest::newRow("refresh, refused with its reason")
            << 1 << answer(R"({"Status":401,"Response":{"Data":"Token expired"}})") << "Token expired";
        QTest::newRow("refresh, no token") << 1 << answer(R"({"Status":200})")
                                           << "The portal did not return an access token.";
    }

    void failures()
    {
        QFETCH(int, index);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, error);
        const AccountCase expected = accountCases().at(index);
        const Tokens tokens = signIn();
        QVERIFY(PortalFaults::provoke(m_simulator, fault, expected.method, expected.path));
        if (fault.value(QStringLiteral("mode")) == QLatin1String("hang"))
            ReplyTimeout::setInactivityTimeout(250);

        const QVariantMap result = run(expected.make(tokens));
        QVERIFY(!result.value(QStringLiteral("success")).toBool());
        QCOMPARE(result.value(QStringLiteral("error")).toString(), error);
        if (result.contains(QStringLiteral("user_id"))) {
            QCOMPARE(result.value(QStringLiteral("user_id")).toInt(), 0);
            QCOMPARE(result.value(QStringLiteral("access_token")).toString(), QString());
        }
    }

    // What the portal's own state refuses.
    void refusals_data()
    {
        QTest::addColumn<RequestFactory>("make");
        QTest::addColumn<QVariantMap>("result");
        const auto error = [](const QString &text) { return QVariantMap{{"error", text}}; };
        QTest::newRow("wrong password")
            << RequestFactory([](const Tokens &) { return new AuthRequest(SimulatorProcess::s_demoLogin, "wrong"); })
            << error(s_unauthorized);
        QTest::newRow("refresh token not issued")
            << RequestFactory([](const Tokens &t) { return new RefreshTokenRequest(t.access, "not-issued", QString()); })
            << QVariantMap{{"success", false}, {"error", s_unauthorized}};
        QTest::newRow("register an existing user")
            << RequestFactory([](const Tokens &) {
                   return new UserRegisterRequest(SimulatorProcess::s_demoLogin, "x", "A", "B");
               })
            << QVariantMap{{"success", false}, {"error", "User already exists. Error 409."}};
        QTest::newRow("forgot password of nobody")
            << RequestFactory([](const Tokens &) { return new ForgotPasswordRequest("nobody@vellix.local"); })
            << QVariantMap{{"success", false}, {"error", "User not found. Error 404."}, {"data", QVariantMap{{"Data", "User not found"}}}};
        QTest::newRow("support without a text")
            << RequestFactory([](const Tokens &) { return new SupportRequest({QString(), "me@vellix.local", "Empty", "  "}); })
            << QVariantMap{{"success", false}, {"error", "The feedback text is empty. Error 400."}};
    }

    void refusals()
    {
        QFETCH(RequestFactory, make);
        QFETCH(QVariantMap, result);
        QCOMPARE(run(make(signIn())), result);
    }

    // Tokens and passwords never reach the log, whatever the portal answers.
    void secretsStayOutOfTheLog_data()
    {
        addCaseRows();
    }

    void secretsStayOutOfTheLog()
    {
        QFETCH(int, index);
        const AccountCase expected = accountCases().at(index);
        LogCapture log;
        const Tokens tokens = signIn();
        QStringList secrets{PortalFaults::plantedSecret(), tokens.access, tokens.refresh, QStringLiteral("s3cret!")};
        const auto runAndCollect = [&] {
            const QVariantMap result = run(expected.make(tokens));
            for (const char *key : {"access_token", "refresh_token"}) {
                if (!result.value(QLatin1String(key)).toString().isEmpty())
                    secrets << result.value(QLatin1String(key)).toString();
            }
        };
        runAndCollect();
        for (const QJsonValue &body : PortalFaults::secretAnswers()) {
            QVERIFY(m_simulator.setFault(expected.path, {{"method", expected.method}, {"status", 200}, {"body", body}, {"count", 1}}));
            runAndCollect();
        }
        QVERIFY(!log.linesWith(expected.path).isEmpty());
        for (const QString &line : log.lines()) {
            for (const QString &secret : qAsConst(secrets))
                QVERIFY2(!line.contains(secret), qPrintable(line));
        }
    }

    void signInToAClosedPort()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        m_portal.settings().savePortalAddress(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
        closed.close();
        QCOMPARE(run(demoSignIn({})), (QVariantMap{{"error", "The portal refused the connection."}}));
    }
};

VELLIX_TEST_MAIN(TestAccountRequests, QCoreApplication)
#include "tst_accountrequests.moc"
