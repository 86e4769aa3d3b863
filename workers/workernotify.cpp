#include "workernotify.h"

#include "platform/notification.h"

#include <QCoreApplication>

WorkerNotify::WorkerNotify(NotifyType type, const QString &body, const QString &summary)
    : m_notification(std::make_unique<Notification>())
{
    m_notification->setAppName(QCoreApplication::applicationName());
    m_notification->setExpireTimeout(3000);
    m_notification->setBody(body);
    if (!summary.isEmpty())
        m_notification->setSummary(summary);
    m_notification->setAppIcon(type == Info ? QStringLiteral("image://theme/icon-lock-information")
                                            : QStringLiteral("image://theme/icon-lock-warning"));
}

WorkerNotify::~WorkerNotify() = default;

void WorkerNotify::publish() const
{
    m_notification->publish();
}

void publishNotify(WorkerNotify::NotifyType type, const QString &body, const QString &summary)
{
    WorkerNotify(type, body, summary).publish();
}
