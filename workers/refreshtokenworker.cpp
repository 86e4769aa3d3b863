#include "refreshtokenworker.h"

#include "requests/refreshtokenrequest.h"
#include "settings/settings.h"

#include <QDebug>

RefreshTokenWorker::RefreshTokenWorker(Settings *settings, DataAccessObject *dao, QObject *parent)
    : Worker(settings, dao, parent)
{
}

void RefreshTokenWorker::refreshToken()
{
    startRequest(new RefreshTokenRequest(getAuthToken(), m_settings->refreshToken(), getPortalAddress()), &RefreshTokenWorker::handleRefreshResponse);
}

void RefreshTokenWorker::handleRefreshResponse(const QVariantMap &response)
{
    const bool success = response.value(QStringLiteral("success")).toBool();
    if (success) {
        // Only the fact of the renewal is logged, never the tokens.
        qInfo() << "Refresh request end. Update tokens:\n\t"
                << "Auth:" << (response.value(QStringLiteral("access_token")).toString().isEmpty() ? "empty" : "***")
                << "\n\t"
                << "Refresh"
                << (response.value(QStringLiteral("refresh_token")).toString().isEmpty() ? "empty" : "***");
        m_settings->saveAccessToken(response.value(QStringLiteral("access_token")).toString());
        m_settings->saveRefreshToken(response.value(QStringLiteral("refresh_token")).toString());
    }
    emit workFinished(success, response.value(QStringLiteral("error")).toString());
}
