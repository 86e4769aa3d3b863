#include "useraccountpagecontroller.h"

#include "database/dataaccessobject.h"
#include "settings/settings.h"

#include <QDebug>

UserAccountPageController::UserAccountPageController(QObject *parent)
    : Controller(parent)
{
    connect(this, &Controller::settingsChanged, this, &UserAccountPageController::setupSettingsSignals,
            Qt::QueuedConnection);
}

QString UserAccountPageController::portalAddess() const
{
    return getPortalAddress();
}

QString UserAccountPageController::userFullName() const
{
    return m_settings ? m_settings->userFullName() : QString();
}

QString UserAccountPageController::userEmail() const
{
    return m_settings ? m_settings->userEmail() : QString();
}

void UserAccountPageController::logOut()
{
    qInfo() << "Logging out...";
    if (m_dao)
        m_dao->clearDatabase();
    if (m_settings)
        m_settings->logOut();
    emit loggedOut();
}

void UserAccountPageController::setupSettingsSignals()
{
    if (!m_settings)
        return;
    const auto queuedOnce = Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection);
    connect(m_settings, &Settings::portalAddressChanged, this, &UserAccountPageController::portalAddressChanged,
            queuedOnce);
    connect(m_settings, &Settings::userFullNameChanged, this, &UserAccountPageController::userFullNameChanged,
            queuedOnce);
    connect(m_settings, &Settings::userEmailChanged, this, &UserAccountPageController::userEmailChanged, queuedOnce);
    emit portalAddressChanged();
    emit userFullNameChanged();
    emit userEmailChanged();
}
