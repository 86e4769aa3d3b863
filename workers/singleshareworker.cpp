#include "singleshareworker.h"

#include "workers/requestoutcome.h"

SingleShareWorker::SingleShareWorker(EntryKind kind, DataAccessObject *dao, int entityId, int userId,
                                     FileAccessType::AccessType accessType, const QString &entityName,
                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_entityId(entityId)
    , m_userId(userId)
    , m_accessType(accessType)
    , m_kind(kind)
    , m_entityName(entityName)
{
}

void SingleShareWorker::startWork()
{
    if (m_kind == File)
        markFilesBusy({m_entityId});
    else
        markFoldersBusy({m_entityId});
    runRequest(createRequest(), &SingleShareWorker::handleRequest);
}

void SingleShareWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    if (RequestOutcome::succeeded(result))
        succeed(successText().arg(m_entityName), QString());
    else
        fail(failureText().arg(m_entityName), result);
}
