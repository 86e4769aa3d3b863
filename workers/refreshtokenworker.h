#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// Trades the stored token pair for a new one.
class RefreshTokenWorker : public Worker
{
    Q_OBJECT
public:
    RefreshTokenWorker(Settings *settings, DataAccessObject *dao, QObject *parent = nullptr);

    void refreshToken();

public slots:
    void handleRefreshResponse(const QVariantMap &response);
};
