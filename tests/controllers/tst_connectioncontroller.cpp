#include "app/coreinit.h"
#include "cachetestsupport.h"
#include "controllers/connectioncontroller.h"
#include "controllers/internetconnectionchecker.h"
#include "requests/onlinestate.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QSignalSpy>
#include <QtTest>

class TestConnectionController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CoreInit::registerTypes(); }
    void errorCycle_data();
    void errorCycle();
    void ownerName_data();
    void ownerName();
    void checkerFollowsTheRequestsOnlineState();
};

void TestConnectionController::errorCycle_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("text") << "Storage is offline. Error 500.";
    QTest::newRow("empty") << "";
}

void TestConnectionController::errorCycle()
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

void TestConnectionController::ownerName_data()
{
    QTest::addColumn<QVariantMap>("user");
    QTest::addColumn<QString>("shown");
    const auto user = [](const char *first, const char *surname, const char *name, const char *email) {
        return QVariantMap{{"Id", 7},
                           {"FirstName", first},
                           {"Surname", surname},
                           {"Name", name},
                           {"Email", email}};
    };
    QTest::newRow("first name and surname") << user("Anna", "Berg", "anna", "a@x") << "Anna Berg";
    QTest::newRow("first name only: name") << user("Anna", "", "anna", "a@x") << "anna";
    QTest::newRow("surname only: name") << user("", "Berg", "anna", "a@x") << "anna";
    QTest::newRow("no name: email") << user("Anna", "", "", "a@x") << "a@x";
    QTest::newRow("unknown owner") << QVariantMap() << "";
}

void TestConnectionController::ownerName()
{
    QFETCH(QVariantMap, user);
    QFETCH(QString, shown);
    CacheFixture cache;
    if (user.isEmpty())
        QCOMPARE(Controller().ownerNameById(7), QString()); // nor without a cache
    else
        cache.dao().insertUsers({user});
    Controller controller;
    controller.setDao(&cache.dao());
    QCOMPARE(controller.ownerNameById(7), shown);
}

void TestConnectionController::checkerFollowsTheRequestsOnlineState()
{
    // A portal on loopback is reachable whatever the platform says.
    Settings().savePortalAddress(QStringLiteral("http://127.0.0.1:1"));
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

VELLIX_TEST_MAIN(TestConnectionController, QCoreApplication)
#include "tst_connectioncontroller.moc"
