#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// Signs in; on success empties the cache and stores tokens and profile.
class AuthorizationWorker : public Worker
{
    Q_OBJECT
public:
    AuthorizationWorker(Settings *settings, DataAccessObject *dao, QObject *parent = nullptr);

    void authorize(const QString &login, const QString &password);

public slots:
    void handleLoginRequest(const QVariantMap &response);

private:
    QString m_login;
};
