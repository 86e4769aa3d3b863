#include "unsharefolderbulkworker.h"

#include "requests/unsharefolderbulkrequest.h"

UnShareFolderBulkWorker::UnShareFolderBulkWorker(int entityId, const QList<UserOrRoleEntity> &users,
                                                 const QList<UserOrRoleEntity> &roles, QObject *parent)
    : BulkShareWorker(entityId, users, roles, parent)
{
}

void UnShareFolderBulkWorker::startWork()
{
    startRequest(new UnShareFolderBulkRequest(m_entityId, m_users, m_roles),
                 &UnShareFolderBulkWorker::handleUnShareRequest);
}

void UnShareFolderBulkWorker::handleUnShareRequest(const QVariantMap &result)
{
    finishWithResult(result);
}
