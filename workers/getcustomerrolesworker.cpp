#include "getcustomerrolesworker.h"

#include "database/dataaccessobject.h"
#include "logging/eventlogger.h"
#include "requests/getcustomerrolesrequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetCustomerRolesWorker::GetCustomerRolesWorker(DataAccessObject *dao, QObject *parent)
    : Worker(nullptr, dao, parent)
{
}

void GetCustomerRolesWorker::getCusotmerRoles()
{
    m_latest.start(this, new GetCustomerRolesRequest(), &GetCustomerRolesWorker::handleRolesRequest);
}

void GetCustomerRolesWorker::handleRolesRequest(const QVariantMap &result)
{
    const bool success = RequestOutcome::succeeded(result);
    const QVariantList list = result.value(QStringLiteral("roles")).toList();
    qInfo().noquote() << "Response" << success
                      << EventLogger::variantMapToJsonString({{QStringLiteral("roles"), list}});
    emit workFinished(success, RequestOutcome::finishMessage(result));
    if (!success)
        return;
    QList<UserOrRoleEntity> roles;
    for (const QVariant &element : list) {
        const QVariantMap map = element.toMap();
        UserOrRoleEntity role;
        role.id = map.value(QStringLiteral("Id")).toInt();
        role.access = -1;
        role.isGroup = true;
        role.name = map.value(QStringLiteral("Name")).toString();
        roles.append(role);
    }
    m_dao->insertRoles(roles);
    emit rolesReady(roles);
}
