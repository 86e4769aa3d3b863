#include "authorizationprogresspagecontroller.h"

#include "controllers/serversettingsupdate.h"
#include "settings/settings.h"
#include "workers/authorizationworker.h"

#include <QDebug>

const QRegularExpression AuthorizationProgressPageController::s_protocol(
    QStringLiteral("(?<prot>^(http|https)://)"), QRegularExpression::CaseInsensitiveOption);

AuthorizationProgressPageController::AuthorizationProgressPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void AuthorizationProgressPageController::setPortalAddress(const QString &address)
{
    QString value = address;
    value.remove(QRegularExpression(QStringLiteral("/+$")));
    if (!value.isEmpty()) {
        const QRegularExpressionMatch scheme = s_protocol.match(value);
        if (scheme.hasMatch())
            value.replace(0, scheme.capturedLength(), scheme.captured().toLower());
        else
            value.prepend(QStringLiteral("https://"));
    }
    m_portalAddress = value;
    emit portalAddressChanged();
}

void AuthorizationProgressPageController::setLogin(const QString &login)
{
    m_login = login;
    emit loginChanged();
}

void AuthorizationProgressPageController::setPassword(const QString &password)
{
    m_password = password;
    emit passwordChanged();
}

void AuthorizationProgressPageController::authorize()
{
    qInfo() << "Clicking the 'Log In' button";
    m_worker = new AuthorizationWorker(m_settings, m_dao, this);
    connect(m_worker, &Worker::workFinished, this, &AuthorizationProgressPageController::handleAuthorizationWork);
    setConnectionInProgress(true);
    setConnectionFailed(false);
    if (m_settings) {
        m_settings->savePortalAddress(m_portalAddress);
        m_settings->saveLogin(m_login);
        m_settings->savePassword(m_password);
    }
    m_worker->authorize(m_login, m_password);
}

bool AuthorizationProgressPageController::isAuthorized() const
{
    return !getAuthToken().isEmpty();
}

void AuthorizationProgressPageController::handleAuthorizationWork(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    emit authFinished();
    startServerSettingsUpdate(m_settings);
}
