#include "controller.h"

#include "database/dataaccessobject.h"
#include "settings/settings.h"

Controller::Controller(QObject *parent)
    : QObject(parent)
{
}

void Controller::setSettings(Settings *settings)
{
    if (m_settings == settings)
        return;
    m_settings = settings;
    emit settingsChanged();
}

void Controller::setDao(DataAccessObject *dao)
{
    if (m_dao == dao)
        return;
    m_dao = dao;
    emit daoChanged();
}

QString Controller::ownerNameById(int ownerId) const
{
    if (!m_dao)
        return QString();
    const QVariantMap user = m_dao->retrieveUserById(ownerId);
    const QString firstName = user.value(QStringLiteral("first_name")).toString();
    const QString surname = user.value(QStringLiteral("surname")).toString();
    if (!firstName.isEmpty() && !surname.isEmpty())
        return QStringLiteral("%1 %2").arg(firstName, surname);
    const QString name = user.value(QStringLiteral("name")).toString();
    if (!name.isEmpty())
        return name;
    return user.value(QStringLiteral("email")).toString();
}
