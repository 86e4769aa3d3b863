#include "savedocumentaccessrightsworker.h"

#include "workers/sharedocumentbulkworker.h"
#include "workers/unsharedocumentbulkworker.h"

SaveDocumentAccessRightsWorker::SaveDocumentAccessRightsWorker(DataAccessObject *dao, int entityId,
                                                               const QList<UserOrRoleEntity> &usersToShare,
                                                               const QList<UserOrRoleEntity> &rolesToShare,
                                                               const QList<UserOrRoleEntity> &usersToUnshare,
                                                               const QList<UserOrRoleEntity> &rolesToUnshare,
                                                               QObject *parent)
    : SaveAccessRightsWorker(File, dao, entityId, usersToShare, rolesToShare, usersToUnshare, rolesToUnshare,
                             parent)
{
}

RunnableWorker *SaveDocumentAccessRightsWorker::createUnshareWorker() const
{
    return new UnShareDocumentBulkWorker(m_entityId, m_usersToUnshare, m_rolesToUnshare);
}

RunnableWorker *SaveDocumentAccessRightsWorker::createShareWorker() const
{
    return new ShareDocumentBulkWorker(m_entityId, m_usersToShare, m_rolesToShare);
}
