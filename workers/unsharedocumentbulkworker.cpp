#include "unsharedocumentbulkworker.h"

#include "requests/unsharedocumentbulkrequest.h"

UnShareDocumentBulkWorker::UnShareDocumentBulkWorker(int entityId, const QList<UserOrRoleEntity> &users,
                                                     const QList<UserOrRoleEntity> &roles, QObject *parent)
    : BulkShareWorker(entityId, users, roles, parent)
{
}

void UnShareDocumentBulkWorker::startWork()
{
    startRequest(new UnShareDocumentBulkRequest(m_entityId, m_users, m_roles),
                 &UnShareDocumentBulkWorker::handleUnShareRequest);
}

void UnShareDocumentBulkWorker::handleUnShareRequest(const QVariantMap &result)
{
    finishWithResult(result);
}
