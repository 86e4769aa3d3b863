#include "privatesessionbus.h"

#include <QDBusConnectionInterface>

PrivateSessionBus::PrivateSessionBus() = default;

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

bool PrivateSessionBus::start(const char *addressVariable)
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(5000))
            return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    qputenv(addressVariable, m_address.toUtf8());
    return !m_address.isEmpty();
}

NotificationListener::NotificationListener(QObject *parent)
    : QObject(parent)
{
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
        && connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                     QDBusConnection::ExportAllSlots)
        && connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

uint NotificationListener::Notify(const QString &appName, uint, const QString &appIcon, const QString &summary,
                                  const QString &body, const QStringList &, const QVariantMap &, int expireTimeout)
{
    m_received.append({appName, appIcon, summary, body, expireTimeout});
    emit notified();
    return uint(m_received.size());
}
