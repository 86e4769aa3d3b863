#include "refreshtokenpagecontroller.h"

#include "controllers/serversettingsupdate.h"
#include "settings/settings.h"
#include "workers/refreshtokenworker.h"

#include <QDebug>

RefreshTokenPageController::RefreshTokenPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void RefreshTokenPageController::refreshToken()
{
    if (getAuthToken().isNull()) {
        qInfo() << "Refresh auth fail: settings access token is null";
        setErrorMessage(tr("Error refresh token"));
    }
    if (getPortalAddress().isNull()) {
        qInfo() << "Refresh auth fail: settings portal address is null";
        setErrorMessage(tr("Error refresh token"));
    }
    if (!m_worker) {
        m_worker = new RefreshTokenWorker(m_settings, m_dao, this);
        connect(m_worker, &Worker::workFinished, this, &RefreshTokenPageController::handleRefreshWork,
                Qt::QueuedConnection);
    }
    m_worker->refreshToken();
    qInfo() << "Start refresh request";
    setConnectionInProgress(true);
}

void RefreshTokenPageController::handleRefreshWork(bool success, const QString &errorMessage)
{
    qInfo() << "Refresh work end with status" << success << ":" << errorMessage;
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    m_refreshed = true;
    emit refreshedChanged();
    startServerSettingsUpdate(m_settings);
}
