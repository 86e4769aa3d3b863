#include "app/coreinit.h"
#include "cachetestsupport.h"
#include "controllers/authorizationprogresspagecontroller.h"
#include "controllers/connectioncontroller.h"
#include "controllers/internetconnectionchecker.h"
#include "controllers/passwordrecoverypagecontroller.h"
#include "controllers/refreshtokenpagecontroller.h"
#include "controllers/supportpagecontroller.h"
#include "controllers/useraccountpagecontroller.h"
#include "controllers/userregisterpagecontroller.h"
#include "requests/onlinestate.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QSignalSpy>
#include <QtTest>

// The controller frame of every page, the connectivity watcher, and the sign-in, account,
// registration, recovery and support pages against the portal simulator.
class TestAccountControllers : public QObject
{
    Q_OBJECT

private:
    SimulatorProcess m_simulator;
    Settings m_settings;
    std::unique_ptr<CacheFixture> m_cache;

    // Waits until the page's worker has answered.
    static bool finished(ConnectionController &controller)
    {
        return QTest::qWaitFor([&controller] { return !controller.connectionInProgress(); }, 15000);
    }

    template <typename C>
    void attach(C &controller)
    {
        controller.setSettings(&m_settings);
        controller.setDao(&m_cache->dao());
    }

    // Signs in with what the page's fields hold and waits for the answer.
    bool authorize(AuthorizationProgressPageController &controller, const QString &password)
    {
        attach(controller);
        controller.setPortalAddress(m_simulator.baseUrl() + QStringLiteral("/"));
        controller.setLogin(SimulatorProcess::s_demoLogin);
        controller.setPassword(password);
        controller.authorize();
        return controller.connectionInProgress() && finished(controller);
    }

    bool signInDemo()
    {
        AuthorizationProgressPageController controller;
        return authorize(controller, SimulatorProcess::s_demoPassword) && controller.isAuthorized();
    }

private slots:
    void initTestCase()
    {
        CoreInit::registerTypes();
        QVERIFY(m_simulator.start());
    }

    void init()
    {
        QVERIFY(m_simulator.clearFaults());
        m_settings.logOut();
        m_settings.savePortalAddress(m_simulator.baseUrl());
        m_cache = std::make_unique<CacheFixture>();
    }

    void errorCycle_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("text") << "Storage is offline. Error 500.";
        QTest::newRow("empty") << "";
    }

    void errorCycle()
    {
        QFETCH(QString, message);
        ConnectionController controller;
        QSignalSpy messageSpy(&controller, &ConnectionController::errorMessageChanged);
        controller.setConnectionInProgress(true);
        controller.showErrorMessage(message);
        QCOMPARE(controller.property("connectionInProgress").toBool(), false);
        QCOMPARE(controller.property("connectionFailed").toBool(), true);
        QCOMPARE(controller.property("errorMessage").toString(), message);
        controller.resetView();
        QCOMPARE(controller.connectionInProgress(), false);
        QCOMPARE(controller.connectionFailed(), false);
        QCOMPARE(controller.errorMessage(), QString());
        QCOMPARE(messageSpy.count(), 2);
    }

    void ownerName_data()
    {
        QTest::addColumn<QVariantMap>("user");
        QTest::addColumn<QString>("shown");
        const auto user = [](const char *first, const char *surname, const char *name, const char *email) {
            return QVariantMap{{"Id", 7}, {"FirstName", first}, {"Surname", surname}, {"Name", name}, {"Email", email}};
        };
        QTest::newRow("first name and surname") << user("Anna", "Berg", "anna", "a@x") << "Anna Berg";
        QTest::newRow("first name only: name") << user("Anna", "", "anna", "a@x") << "anna";
        QTest::newRow("surname only: name") << user("", "Berg", "anna", "a@x") << "anna";
        QTest::newRow("no name: email") << user("Anna", "", "", "a@x") << "a@x";
        QTest::newRow("unknown owner") << QVariantMap() << "";
    }

    void ownerName()
    {
        QFETCH(QVariantMap, user);
        QFETCH(QString, shown);
        if (user.isEmpty())
            QCOMPARE(Controller().ownerNameById(7), QString()); // nor without a cache
        else
            m_cache->dao().insertUsers({user});
        Controller controller;
        controller.setDao(&m_cache->dao());
        QCOMPARE(controller.ownerNameById(7), shown);
    }

    void checkerFollowsTheRequestsOnlineState()
    {
        // A portal on loopback is reachable whatever the platform says.
        m_settings.savePortalAddress(QStringLiteral("http://127.0.0.1:1"));
        InternetConnectionChecker checker;
        QSignalSpy spy(&checker, &InternetConnectionChecker::connectionFineChanged);
        QCOMPARE(InternetConnectionChecker::isOnline(), OnlineState::isOnline());
        QVERIFY(InternetConnectionChecker::isOnline());
        checker.setConnectionFine(false);
        QCOMPARE(spy.count(), 1);
        // The next poll finds the portal reachable again.
        QVERIFY(spy.wait(InternetConnectionChecker::s_pollIntervalMs * 3));
        QCOMPARE(checker.property("connectionFine").toBool(), true);
    }

    void portalAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("bare host with slash") << "portal.example.com/" << "https://portal.example.com";
        QTest::newRow("https with three slashes") << "https://portal.example.com///" << "https://portal.example.com";
        QTest::newRow("http kept") << "http://127.0.0.1:8080/" << "http://127.0.0.1:8080";
        QTest::newRow("mixed case scheme in lower case") << "Http://host/path/" << "http://host/path";
        QTest::newRow("other scheme is a host to https") << "ftp://host" << "https://ftp://host";
        QTest::newRow("only slashes") << "///" << "";
    }

    void portalAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        AuthorizationProgressPageController controller;
        QSignalSpy changed(&controller, &AuthorizationProgressPageController::portalAddressChanged);
        controller.setProperty("portalAddress", typed);
        QCOMPARE(controller.portalAddress(), stored);
        QCOMPARE(changed.count(), 1);
    }

    // Sign-in, then a token refresh on what it left.
    void signIn_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("accepted") << SimulatorProcess::s_demoPassword << "";
        QTest::newRow("wrong password") << "wrong"
                                        << "Authorization error:\nIncorrect login and/or password. Error 401.";
    }

    void signIn()
    {
        QFETCH(QString, password);
        QFETCH(QString, message);
        m_settings.saveDocumentServerAddress(QString());
        AuthorizationProgressPageController controller;
        QSignalSpy done(&controller, &AuthorizationProgressPageController::authFinished);
        QVERIFY(authorize(controller, password));
        QCOMPARE(done.count(), message.isEmpty() ? 1 : 0);
        QCOMPARE(controller.connectionFailed(), !message.isEmpty());
        QCOMPARE(controller.errorMessage(), message);
        QCOMPARE(controller.isAuthorized(), message.isEmpty());
        // What was typed is stored, accepted or not.
        QCOMPARE(m_settings.portalAddress(), m_simulator.baseUrl());
        QCOMPARE(m_settings.login(), SimulatorProcess::s_demoLogin);
        QCOMPARE(m_settings.password(), password);
        if (message.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(!m_settings.documentServerAddress().isEmpty(), 15000);

        // The refresh renews the session the sign-in left; without one it is asked for all the same.
        QVERIFY(m_simulator.clearRequests());
        RefreshTokenPageController refreshing;
        attach(refreshing);
        QSignalSpy refreshed(&refreshing, &RefreshTokenPageController::refreshedChanged);
        refreshing.refreshToken();
        QCOMPARE(refreshing.errorMessage(), message.isEmpty() ? QString() : QStringLiteral("Error refresh token"));
        QVERIFY(finished(refreshing));
        QCOMPARE(refreshing.property("refreshed").toBool(), message.isEmpty());
        QCOMPARE(refreshed.count(), message.isEmpty() ? 1 : 0);
        QCOMPARE(refreshing.connectionFailed(), !message.isEmpty());
        QVERIFY(QJsonDocument(m_simulator.requests()).toJson().contains("refresh"));
    }

    void accountRequests_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("failed");
        const QString demo = SimulatorProcess::s_demoLogin;
        QTest::newRow("new user registers") << 0 << "someone.new@vellix.local" << "" << false;
        QTest::newRow("existing user registers") << 0 << demo << QStringLiteral("User already exists: ") + demo << true;
        QTest::newRow("known user recovers") << 1 << demo << "" << false;
        QTest::newRow("unknown user recovers") << 1 << "nobody@vellix.local" << "User not found" << true;
        // The support page tells of a refusal by a signal of its own, not by an error text.
        QTest::newRow("support message sent") << 2 << demo << "" << false;
        QTest::newRow("support message refused") << 2 << demo << "" << true;
    }

    void accountRequests()
    {
        QFETCH(int, page);
        QFETCH(QString, login);
        QFETCH(QString, message);
        QFETCH(bool, failed);
        UserRegisterPageController registering;
        PasswordRecoveryPageController recovering;
        SupportPageController support;
        attach(registering);
        attach(recovering);
        attach(support);
        QSignalSpy registered(&registering, &UserRegisterPageController::registered);
        QSignalSpy sent(&support, &SupportPageController::messageSended);
        QSignalSpy notSent(&support, &SupportPageController::errorSendMessage);
        if (page == 0) {
            // Stored as typed, without normalisation.
            registering.userRegister(m_simulator.baseUrl() + QStringLiteral("/"), login, QStringLiteral("pw"),
                                     QStringLiteral("New"), QStringLiteral("User"));
            QCOMPARE(m_settings.portalAddress(), m_simulator.baseUrl() + QStringLiteral("/"));
        } else if (page == 1) {
            recovering.sendForget(login);
        } else {
            QVERIFY(signInDemo());
            if (failed)
                QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Support/Feedback"),
                                             {{QStringLiteral("status"), 500}}));
            support.sendMessage(m_simulator.baseUrl(), login, QStringLiteral("Subject"), QStringLiteral("Text"));
        }
        ConnectionController *controller = QList<ConnectionController *>{&registering, &recovering, &support}.at(page);
        QVERIFY(finished(*controller));
        QCOMPARE(controller->errorMessage(), message);
        QCOMPARE(controller->connectionFailed(), failed);
        QCOMPARE(registered.count(), page == 0 && !failed ? 1 : 0);
        QCOMPARE(sent.count(), page == 2 && !failed ? 1 : 0);
        QCOMPARE(notSent.count(), page == 2 && failed ? 1 : 0);
    }

    void accountPageAndSignOut()
    {
        QVERIFY(signInDemo());
        m_cache->dao().insertUsers({QVariantMap{{"Id", 5}, {"Name", "x"}}});
        UserAccountPageController controller;
        QCOMPARE(controller.userFullName(), QString());
        QSignalSpy address(&controller, &UserAccountPageController::portalAddressChanged);
        QSignalSpy name(&controller, &UserAccountPageController::userFullNameChanged);
        QSignalSpy email(&controller, &UserAccountPageController::userEmailChanged);
        QSignalSpy loggedOut(&controller, &UserAccountPageController::loggedOut);
        attach(controller);
        QVERIFY(address.wait(5000));
        QCOMPARE(name.count(), 1);
        QCOMPARE(email.count(), 1);
        QCOMPARE(controller.property("portalAddess").toString(), m_simulator.baseUrl());
        QCOMPARE(controller.property("userFullName").toString(), QStringLiteral("Demo User"));
        QCOMPARE(controller.property("userEmail").toString(), SimulatorProcess::s_demoLogin);

        controller.logOut();
        QCOMPARE(loggedOut.count(), 1);
        QCOMPARE(m_cache->count(QStringLiteral("users")), 0);
        QCOMPARE(controller.portalAddess(), m_simulator.baseUrl());
        QCOMPARE(controller.userFullName(), QStringLiteral(" "));
        QCOMPARE(controller.userEmail(), QString());
        QVERIFY(!AuthorizationProgressPageController().isAuthorized());
        QTRY_VERIFY(email.count() > 1);
    }
};

VELLIX_TEST_MAIN(TestAccountControllers, QCoreApplication)
#include "tst_accountcontrollers.moc"
