#pragma once

#include <QObject>
#include <QString>

class DataAccessObject;
class Settings;

// One user-level operation: runs its requests, stores what they returned and
// reports once through workFinished.
class Worker : public QObject
{
    Q_OBJECT
public:
    Worker(Settings *settings, DataAccessObject *dao, QObject *parent);

    void disconnectSignals();

signals:
    void workFinished(bool success, const QString &errorMessage = QString());

protected:
    void publishInfoNotify(const QString &body, const QString &summary = QString());
    void publishWarningNotify(const QString &body, const QString &summary = QString());

    Settings *m_settings;
    DataAccessObject *m_dao;
};
