#pragma once

#include "controllers/connectioncontroller.h"

class RefreshTokenWorker;

// The start page's token refresh.
class RefreshTokenPageController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(bool refreshed READ refreshed NOTIFY refreshedChanged)

public:
    explicit RefreshTokenPageController(QObject *parent = nullptr);

    // Once true, stays true for the controller's life.
    bool refreshed() const { return m_refreshed; }

    // A missing token or address is recorded as the error text, yet the
    // refresh is still sent and its answer decides.
    Q_INVOKABLE void refreshToken();

signals:
    void refreshedChanged();

private slots:
    void handleRefreshWork(bool success, const QString &errorMessage);

private:
    RefreshTokenWorker *m_worker = nullptr;
    bool m_refreshed = false;
};
