#pragma once

#include <QObject>
#include <QString>

// Desktop counterpart of the phone's notification library. Publishing goes to
// the freedesktop notification service on the session bus; without one the
// notification is only logged. It never blocks the caller and never fails it.
class Notification : public QObject
{
    Q_OBJECT
public:
    explicit Notification(QObject *parent = nullptr);

    void setAppName(const QString &appName);
    void setExpireTimeout(int milliseconds);
    void setBody(const QString &body);
    void setSummary(const QString &summary);
    void setAppIcon(const QString &appIcon);

    QString appName() const { return m_appName; }
    int expireTimeout() const { return m_expireTimeout; }
    QString body() const { return m_body; }
    QString summary() const { return m_summary; }
    QString appIcon() const { return m_appIcon; }

public slots:
    void publish();

private:
    QString m_appName;
    QString m_body;
    QString m_summary;
    QString m_appIcon;
    int m_expireTimeout = -1;
};
