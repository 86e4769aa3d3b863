#include "sharefolderbulkworker.h"

#include "requests/sharefolderbulkrequest.h"

ShareFolderBulkWorker::ShareFolderBulkWorker(int entityId, const QList<UserOrRoleEntity> &users,
                                             const QList<UserOrRoleEntity> &roles, QObject *parent)
    : BulkShareWorker(entityId, users, roles, parent)
{
}

void ShareFolderBulkWorker::startWork()
{
    startRequest(new ShareFolderBulkRequest(m_entityId, m_users, m_roles), &ShareFolderBulkWorker::handleShareRequest);
}

void ShareFolderBulkWorker::handleShareRequest(const QVariantMap &result)
{
    finishWithResult(result);
}
