#include "platform/notification.h"
#include "privatesessionbus.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QtTest>

class TestNotification : public QObject
{
    Q_OBJECT
private:
    PrivateSessionBus m_bus;

private slots:
    void publishReachesTheService_data()
    {
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        // The body as the notification server receives it: markup arrives as text.
        QTest::addColumn<QString>("sent");
        QTest::newRow("plain") << QStringLiteral("Download finished") << QStringLiteral("report.docx")
                               << QStringLiteral("report.docx");
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
        static bool started = false;
        static NotificationListener listener;
        if (!started) {
            QVERIFY(m_bus.start());
            QVERIFY(listener.registerOn(m_bus.address()));
            started = true;
        }
        QSignalSpy notified(&listener, &NotificationListener::notified);
        Notification notification;
        notification.setAppName(QStringLiteral("VellixOfficeAurora"));
        notification.setAppIcon(QStringLiteral("vellix-icon"));
        notification.setExpireTimeout(3000);
        notification.setSummary(summary);
        notification.setBody(body);
        notification.publish();
        QVERIFY(notified.wait(5000));
        const ReceivedNotification received = listener.received().last();
        QCOMPARE(received.appName, QStringLiteral("VellixOfficeAurora"));
        QCOMPARE(received.appIcon, QStringLiteral("vellix-icon"));
        QCOMPARE(received.summary, summary);
        QCOMPARE(received.body, sent);
        QCOMPARE(received.expireTimeout, 3000);
    }
};

VELLIX_TEST_MAIN(TestNotification, QCoreApplication)
#include "tst_notification.moc"
