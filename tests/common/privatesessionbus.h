#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

// A dbus-daemon of the test's own; its address becomes the session bus of the
// test process, or whichever bus the variable names (DBUS_SYSTEM_BUS_ADDRESS
// for the system bus). Start it before anything touches that bus.
class PrivateSessionBus
{
public:
    ~PrivateSessionBus();

    bool start(const char *addressVariable = "DBUS_SESSION_BUS_ADDRESS");
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

struct ReceivedNotification
{
    QString appName;
    QString appIcon;
    QString summary;
    QString body;
    int expireTimeout = 0;
};

// A minimal freedesktop notification service that records what it is sent.
class NotificationListener : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit NotificationListener(QObject *parent = nullptr) : QObject(parent) {}
    ~NotificationListener() override;

    // Registers the service on its own connection to the bus at the address.
    bool registerOn(const QString &address);
    QList<ReceivedNotification> received() const { return m_received; }

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout);

signals:
    void notified();

private:
    QString m_connectionName;
    QList<ReceivedNotification> m_received;
};
