#pragma once

#include <QString>

#include <memory>

class Notification;

// Owns one system notification for its lifetime.
class WorkerNotify
{
public:
    enum NotifyType { Info = 0, Warning = 1 };

    WorkerNotify(NotifyType type, const QString &body, const QString &summary);
    ~WorkerNotify();

    WorkerNotify(const WorkerNotify &) = delete;
    WorkerNotify &operator=(const WorkerNotify &) = delete;

    void publish() const;

private:
    std::unique_ptr<Notification> m_notification;
};

void publishNotify(WorkerNotify::NotifyType type, const QString &body, const QString &summary);
