#pragma once

#include "database/userorroleentity.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QVariantMap>

// Reads the customer's roles (user groups) and keeps them in the cache.
class GetCustomerRolesWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetCustomerRolesWorker(DataAccessObject *dao, QObject *parent = nullptr);

    void getCusotmerRoles();

signals:
    void rolesReady(const QList<UserOrRoleEntity> &roles);

public slots:
    void handleRolesRequest(const QVariantMap &result);

private:
    LatestRequest m_latest;
};
