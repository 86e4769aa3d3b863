#include "platform/notification.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QtTest>

// Its own process: the session bus connection is made once per process.
class TestNotificationWithoutBus : public QObject
{
    Q_OBJECT
private slots:
    void publishLogsAndCarriesOn()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray("unix:path=") + QFile::encodeName(TestEnvironment::root()) + "/no-bus");
        Notification notification;
        notification.setSummary(QStringLiteral("nobody listens"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Notification \\(no session bus\\):.*nobody listens")));
        notification.publish();
        notification.publish();
    }
};

VELLIX_TEST_MAIN(TestNotificationWithoutBus, QCoreApplication)
#include "tst_notificationwithoutbus.moc"
