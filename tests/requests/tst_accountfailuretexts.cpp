#include "portalsuite.h"
#include "requests/authrequest.h"
#include "requests/forgotpasswordrequest.h"
#include "requests/getserversettingsrequest.h"
#include "requests/refreshtokenrequest.h"
#include "requests/supportrequest.h"
#include "requests/userregisterrequest.h"
#include "testenvironment.h"

#include <QtTest>

#include <functional>
#include <tuple>

using RequestFactory = std::function<RequestInterface *()>;
Q_DECLARE_METATYPE(RequestFactory)

// Whatever the portal answers, a failed account call says why: the page has
// nothing else to show.
class TestAccountFailureTexts : public QObject
{
    Q_OBJECT
private:
    PortalSuite m_portal;

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

    void everyFailureCarriesAText_data()
    {
        QTest::addColumn<RequestFactory>("make");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("error");

        const QString unreadable = QStringLiteral("The portal sent an answer that cannot be read.");
        const QJsonObject malformed{{"mode", "malformed"}};
        const QList<std::tuple<const char *, RequestFactory, QString>> requests{
            {"sign-in", [] { return new AuthRequest(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword); },
             "/api/v2/auth/login"},
            {"refresh", [] { return new RefreshTokenRequest("a", "r", QString()); }, "/api/v2/auth/refresh"},
            {"register", [] { return new UserRegisterRequest("new@vellix.local", "pw", "N", "U"); },
             "/api/v2/auth/register"},
            {"forgot password", [] { return new ForgotPasswordRequest(SimulatorProcess::s_demoLogin); },
             "/api/v2/auth/Forgot"},
            {"server settings", [] { return new GetServerSettingsRequest; }, "/api/v1/Settings"},
            {"support", [] { return new SupportRequest({QString(), "a@b.c", "S", "T"}); }, "/api/v1/Support/Feedback"},
        };
        for (const auto &[name, make, path] : requests)
            QTest::addRow("%s: unreadable answer", name) << make << path << malformed << unreadable;

        const RequestFactory refresh = std::get<1>(requests.at(1));
        const auto answer = [](const QJsonObject &body) { return QJsonObject{{"status", 200}, {"body", body}}; };
        QTest::newRow("refresh: refused without a word")
            << refresh << "/api/v2/auth/refresh" << answer({{"Status", 401}})
            << QStringLiteral("The portal refused to renew the session.");
        QTest::newRow("refresh: refused with its reason")
            << refresh << "/api/v2/auth/refresh"
            << answer({{"Status", 401}, {"Response", QJsonObject{{"Data", "Token expired"}}}})
            << QStringLiteral("Token expired");
        QTest::newRow("refresh: no token")
            << refresh << "/api/v2/auth/refresh" << answer({{"Status", 200}})
            << QStringLiteral("The portal did not return an access token.");
    }

    void everyFailureCarriesAText()
    {
        QFETCH(RequestFactory, make);
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, error);
        QVERIFY(m_portal.simulator().setFault(path, fault));
        const QVariantMap result = m_portal.run(make());
        QCOMPARE(result.value(QStringLiteral("success")).toBool(), false);
        QCOMPARE(result.value(QStringLiteral("error")).toString(), error);
    }
};

VELLIX_TEST_MAIN(TestAccountFailureTexts, QCoreApplication)
#include "tst_accountfailuretexts.moc"
