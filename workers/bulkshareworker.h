#pragma once

#include "database/userorroleentity.h"
#include "workers/runnableworker.h"

#include <QList>
#include <QVariantMap>

// Gives or takes the access of many users and roles to one document or folder
// in one call; a step of saving an access list.
class BulkShareWorker : public RunnableWorker
{
    Q_OBJECT
protected:
    BulkShareWorker(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                    QObject *parent);

    // Reports the bulk request's result once.
    void finishWithResult(const QVariantMap &result);

    const int m_entityId;
    const QList<UserOrRoleEntity> m_users;
    const QList<UserOrRoleEntity> m_roles;
};
