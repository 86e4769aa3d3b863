#include "privatesessionbus.h"

#include "testenvironment.h"

PrivateSessionBus::~PrivateSessionBus()
{
    TestEnvironment::endProcess(m_daemon, 5000);
}

bool PrivateSessionBus::start(const char *addressVariable)
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    const QByteArray output = TestEnvironment::readOutputUntil(m_daemon, "\n", 5000);
    m_address = QString::fromUtf8(output.left(output.indexOf('\n'))).trimmed();
    qputenv(addressVariable, m_address.toUtf8());
    return !m_address.isEmpty();
}

NotificationListener::~NotificationListener()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

bool NotificationListener::registerOn(const QString &address)
{
    m_connectionName = QStringLiteral("notification-listener");
    QDBusConnection connection = QDBusConnection::connectToBus(address, m_connectionName);
    return connection.isConnected()
        && connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots)
        && connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

uint NotificationListener::Notify(const QString &appName, uint, const QString &appIcon, const QString &summary,
                                  const QString &body, const QStringList &, const QVariantMap &, int expireTimeout)
{
    m_received.append({appName, appIcon, summary, body, expireTimeout});
    emit notified();
    return uint(m_received.size());
}
