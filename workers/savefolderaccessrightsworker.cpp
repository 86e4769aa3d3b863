#include "savefolderaccessrightsworker.h"

#include "workers/sharefolderbulkworker.h"
#include "workers/unsharefolderbulkworker.h"

SaveFolderAccessRightsWorker::SaveFolderAccessRightsWorker(DataAccessObject *dao, int entityId,
                                                           const QList<UserOrRoleEntity> &usersToShare,
                                                           const QList<UserOrRoleEntity> &rolesToShare,
                                                           const QList<UserOrRoleEntity> &usersToUnshare,
                                                           const QList<UserOrRoleEntity> &rolesToUnshare,
                                                           QObject *parent)
    : SaveAccessRightsWorker(Folder, dao, entityId, usersToShare, rolesToShare, usersToUnshare, rolesToUnshare,
                             parent)
{
}

RunnableWorker *SaveFolderAccessRightsWorker::createUnshareWorker() const
{
    return new UnShareFolderBulkWorker(m_entityId, m_usersToUnshare, m_rolesToUnshare);
}

RunnableWorker *SaveFolderAccessRightsWorker::createShareWorker() const
{
    return new ShareFolderBulkWorker(m_entityId, m_usersToShare, m_rolesToShare);
}
