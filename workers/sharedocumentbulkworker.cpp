#include "sharedocumentbulkworker.h"

#include "requests/sharedocumentbulkrequest.h"

ShareDocumentBulkWorker::ShareDocumentBulkWorker(int entityId, const QList<UserOrRoleEntity> &users,
                                                 const QList<UserOrRoleEntity> &roles, QObject *parent)
    : BulkShareWorker(entityId, users, roles, parent)
{
}

void ShareDocumentBulkWorker::startWork()
{
    startRequest(new ShareDocumentBulkRequest(m_entityId, m_users, m_roles),
                 &ShareDocumentBulkWorker::handleShareRequest);
}

void ShareDocumentBulkWorker::handleShareRequest(const QVariantMap &result)
{
    finishWithResult(result);
}
