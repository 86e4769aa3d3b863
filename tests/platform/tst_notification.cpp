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
        QTest::newRow("plain") << QStringLiteral("Download finished") << QStringLiteral("report.docx");
        QTest::newRow("unicode") << QStringLiteral("Ошибка") << QStringLiteral("файл 🙂 & <b>");
    }

    void publishReachesTheService()
    {
        QFETCH(QString, summary);
        QFETCH(QString, body);
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
        QCOMPARE(received.body, body);
        QCOMPARE(received.expireTimeout, 3000);
    }
};

VELLIX_TEST_MAIN(TestNotification, QCoreApplication)
#include "tst_notification.moc"
