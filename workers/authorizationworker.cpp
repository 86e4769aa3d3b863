#include "authorizationworker.h"

#include "database/dataaccessobject.h"
#include "requests/authrequest.h"
#include "settings/settings.h"

#include <QDateTime>

AuthorizationWorker::AuthorizationWorker(Settings *settings, DataAccessObject *dao, QObject *parent)
    : Worker(settings, dao, parent)
{
}

void AuthorizationWorker::authorize(const QString &login, const QString &password)
{
    m_login = login;
    startRequest(new AuthRequest(login, password), &AuthorizationWorker::handleLoginRequest);
}

void AuthorizationWorker::handleLoginRequest(const QVariantMap &response)
{
    const bool success = response.value(QStringLiteral("success")).toBool();
    if (success) {
        // A new sign-in must not show the previous account's listings.
        m_dao->clearDatabase();
        m_settings->clearUserSettings();
        m_settings->saveLogin(m_login);
        m_settings->saveAccessToken(response.value(QStringLiteral("access_token")).toString());
        m_settings->saveRefreshToken(response.value(QStringLiteral("refresh_token")).toString());
        m_settings->saveUserId(response.value(QStringLiteral("user_id")).toInt());
        m_settings->saveUserEmail(response.value(QStringLiteral("user_email")).toString());
        m_settings->saveUserName(response.value(QStringLiteral("user_name")).toString());
        m_settings->saveUserSurname(response.value(QStringLiteral("user_surname")).toString());
        m_settings->saveUserFirstName(response.value(QStringLiteral("user_first_name")).toString());
        m_settings->saveUserMiddleName(response.value(QStringLiteral("user_middle_name")).toString());
        m_settings->saveUserCompany(response.value(QStringLiteral("user_company")).toString());
        m_settings->saveLastAuthorizationTime(QDateTime::currentDateTime());
    }
    disconnectSignals();
    emit workFinished(success, response.value(QStringLiteral("error")).toString());
}
