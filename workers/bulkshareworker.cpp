#include "bulkshareworker.h"

#include "workers/requestoutcome.h"

BulkShareWorker::BulkShareWorker(int entityId, const QList<UserOrRoleEntity> &users,
                                 const QList<UserOrRoleEntity> &roles, QObject *parent)
    : RunnableWorker(nullptr, nullptr, parent)
    , m_entityId(entityId)
    , m_users(users)
    , m_roles(roles)
{
}

void BulkShareWorker::finishWithResult(const QVariantMap &result)
{
    if (RequestOutcome::succeeded(result))
        finishWork(true, result.value(QStringLiteral("users")).toString());
    else
        finishWork(false, RequestOutcome::failureMessage(result));
}
