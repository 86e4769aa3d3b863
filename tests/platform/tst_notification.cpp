#include "platform/notification.h"
#include "privatesessionbus.h"
#include "testenvironment.h"

#include <QDBusConnection>
#include <QtTest>

#include <memory>

class TestNotification : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateSessionBus> m_bus = std::make_unique<PrivateSessionBus>();
    NotificationListener m_listener;

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus->start());
        QVERIFY(m_listener.registerOn(m_bus->address()));
    }

    void publishReachesTheService_data()
    {
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        // The body as the notification server receives it: markup arrives as text.
        QTest::addColumn<QString>("sent");
        QTest::newRow("unicode") << QStringLiteral("Ошибка") << QStringLiteral("файл 🙂 & <b>")
                                 << QStringLiteral("файл 🙂 &amp; &lt;b&gt;");
        QTest::newRow("link in a name") << QStringLiteral("<b>A</b> & B") << QStringLiteral("<a href=\"x\">y</a>")
                                        << QStringLiteral("&lt;a href=\"x\"&gt;y&lt;/a&gt;");
        QTest::newRow("image in a name") << QStringLiteral("Saved") << QStringLiteral("<img src=\"file:///etc\"/>.txt")
                                         << QStringLiteral("&lt;img src=\"file:///etc\"/&gt;.txt");
    }

    void publishReachesTheService()
    {
        QFETCH(QString, summary);
        QFETCH(QString, body);
        QFETCH(QString, sent);
        QSignalSpy notified(&m_listener, &NotificationListener::notified);
        Notification notification;
        notification.setAppName(QStringLiteral("VellixOfficeAurora"));
        notification.setAppIcon(QStringLiteral("vellix-icon"));
        notification.setExpireTimeout(3000);
        notification.setSummary(summary);
        notification.setBody(body);
        notification.publish();
        QVERIFY(notified.wait(5000));
        const ReceivedNotification received = m_listener.received().last();
        QCOMPARE(received.appName, QStringLiteral("VellixOfficeAurora"));
        QCOMPARE(received.appIcon, QStringLiteral("vellix-icon"));
        QCOMPARE(received.summary, summary);
        QCOMPARE(received.body, sent);
        QCOMPARE(received.expireTimeout, 3000);
    }

    void publishWithoutABusLogsAndCarriesOn()
    {
        m_bus.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().isConnected(), 10000);
        Notification notification;
        notification.setSummary(QStringLiteral("nobody listens"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Notification \\(no session bus\\):.*nobody listens")));
        notification.publish();
        notification.publish();
    }
};

VELLIX_TEST_MAIN(TestNotification, QCoreApplication)
#include "tst_notification.moc"
