#include "notification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDebug>
#include <QVariantMap>

namespace {
const QString s_service = QStringLiteral("org.freedesktop.Notifications");
const QString s_path = QStringLiteral("/org/freedesktop/Notifications");
const QString s_interface = QStringLiteral("org.freedesktop.Notifications");

// Notification servers render a small markup language in the body, so a
// portal name such as "<img src=...>" must reach them as text.
QString bodyMarkupEscaped(QString body)
{
    body.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    body.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    body.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return body;
}
} // namespace

Notification::Notification(QObject *parent)
    : QObject(parent)
{
}

void Notification::setAppName(const QString &appName) { m_appName = appName; }
void Notification::setExpireTimeout(int milliseconds) { m_expireTimeout = milliseconds; }
void Notification::setBody(const QString &body) { m_body = body; }
void Notification::setSummary(const QString &summary) { m_summary = summary; }
void Notification::setAppIcon(const QString &appIcon) { m_appIcon = appIcon; }

void Notification::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qInfo() << "Notification (no session bus):" << m_summary << "-" << m_body;
        return;
    }
    // The phone's library shows the summary as the title and the body below it.
    QDBusMessage call = QDBusMessage::createMethodCall(s_service, s_path, s_interface, QStringLiteral("Notify"));
    call << m_appName << quint32(0) << m_appIcon << m_summary << bodyMarkupEscaped(m_body) << QStringList() << QVariantMap()
         << m_expireTimeout;
    // Fire and forget: a missing or slow notification daemon must not hold the caller.
    call.setAutoStartService(false);
    if (!bus.send(call))
        qInfo() << "Notification not delivered:" << bus.lastError().message() << m_summary << "-" << m_body;
}
