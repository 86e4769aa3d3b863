#include "requests/onlinestate.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

class TestOnlineState : public QObject
{
    Q_OBJECT

private slots:
    void recognisesLoopbackPortals_data();
    void recognisesLoopbackPortals();
    void loopbackPortalIsAlwaysOnline();
    void onThisMachine();
    void inANamespaceWithOnlyLoopback();

private:
    static QJsonObject probe(const QString &program, const QStringList &arguments);
    static QString probePath();
};

void TestOnlineState::recognisesLoopbackPortals_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("loopback");
    QTest::newRow("127.0.0.1") << "http://127.0.0.1:8080" << true;
    QTest::newRow("other 127 address") << "http://127.3.4.5" << true;
    QTest::newRow("localhost") << "https://LocalHost/portal" << true;
    QTest::newRow("IPv6 loopback") << "http://[::1]:9000" << true;
    QTest::newRow("name") << "https://portal.example.com" << false;
    QTest::newRow("private address") << "http://192.168.1.10" << false;
    QTest::newRow("name starting like loopback") << "http://127.0.0.1.example.com" << false;
    QTest::newRow("empty") << "" << false;
}

void TestOnlineState::recognisesLoopbackPortals()
{
    QFETCH(QString, address);
    QFETCH(bool, loopback);
    QCOMPARE(OnlineState::isLoopbackAddress(address), loopback);
}

void TestOnlineState::loopbackPortalIsAlwaysOnline()
{
    QVERIFY(OnlineState::isOnline(QStringLiteral("http://127.0.0.1:1")));
}

QString TestOnlineState::probePath()
{
    return TestEnvironment::binDirectory() + QStringLiteral("/onlinestateprobe");
}

QJsonObject TestOnlineState::probe(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning() << "probe failed:" << process.readAllStandardError();
        return QJsonObject();
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput().trimmed()).object();
}

void TestOnlineState::onThisMachine()
{
    const QJsonObject report = probe(probePath(), {});
    QVERIFY(!report.isEmpty());
    QVERIFY(report.value(QStringLiteral("loopbackPortalOnline")).toBool());
    QVERIFY2(report.value(QStringLiteral("signInSuccess")).toBool(),
             qPrintable(report.value(QStringLiteral("signInError")).toString()));
    // Where the platform knows networks, its word counts for a remote portal.
    if (report.value(QStringLiteral("configurations")).toInt() > 0)
        QCOMPARE(report.value(QStringLiteral("remotePortalOnline")), report.value(QStringLiteral("platformOnline")));
}

void TestOnlineState::inANamespaceWithOnlyLoopback()
{
    // A fresh network namespace has its loopback interface down.
    const QString bringUpLoopback = QStringLiteral("ip link set lo up");
    QProcess check;
    check.start(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"), bringUpLoopback});
    if (!check.waitForFinished(10000) || check.exitStatus() != QProcess::NormalExit || check.exitCode() != 0)
        QSKIP("unshare -n with ip is not available here");

    const QJsonObject report =
        probe(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"),
                                          bringUpLoopback + QStringLiteral(" && exec \"$0\""), probePath()});
    QVERIFY(!report.isEmpty());
    // The platform sees no network at all and calls itself offline...
    QCOMPARE(report.value(QStringLiteral("configurations")).toInt(), 0);
    QCOMPARE(report.value(QStringLiteral("platformOnline")).toBool(), false);
    // ...yet the portal on loopback is reachable, and requests are let through.
    QVERIFY(report.value(QStringLiteral("loopbackPortalOnline")).toBool());
    QVERIFY(report.value(QStringLiteral("remotePortalOnline")).toBool());
    QVERIFY2(report.value(QStringLiteral("signInSuccess")).toBool(),
             qPrintable(report.value(QStringLiteral("signInError")).toString()));
}

VELLIX_TEST_MAIN(TestOnlineState, QCoreApplication)
#include "tst_onlinestate.moc"
