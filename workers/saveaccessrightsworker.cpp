#include "saveaccessrightsworker.h"

#include "database/dataaccessobject.h"

SaveAccessRightsWorker::SaveAccessRightsWorker(EntryKind kind, DataAccessObject *dao, int entityId,
                                               const QList<UserOrRoleEntity> &usersToShare,
                                               const QList<UserOrRoleEntity> &rolesToShare,
                                               const QList<UserOrRoleEntity> &usersToUnshare,
                                               const QList<UserOrRoleEntity> &rolesToUnshare, QObject *parent)
    // The access dialog works on entries of My documents.
    : OperationWorker(dao, DirectoryType::MyDocuments, parent)
    , m_entityId(entityId)
    , m_usersToShare(usersToShare)
    , m_rolesToShare(rolesToShare)
    , m_usersToUnshare(usersToUnshare)
    , m_rolesToUnshare(rolesToUnshare)
    , m_kind(kind)
{
}

template <typename Handler>
void SaveAccessRightsWorker::startStep(RunnableWorker *worker, Handler handler)
{
    // The step worker lives on the main thread whatever thread made it.
    connect(worker, &Worker::workFinished, this, handler);
    QThreadPool::globalInstance()->start(worker);
}

void SaveAccessRightsWorker::startWork()
{
    RunnableWorker *unshare = createUnshareWorker();
    if (m_kind == File)
        markFilesBusy({m_entityId});
    else
        markFoldersBusy({m_entityId});
    startStep(unshare, &SaveAccessRightsWorker::handleUnshareWork);
}

void SaveAccessRightsWorker::handleUnshareWork(bool success, const QString &error)
{
    if (isFinished() || m_step != Step::Unsharing)
        return;
    if (!success) {
        fail(tr("Error edit access"), error, error);
        return;
    }
    m_step = Step::Sharing;
    startStep(createShareWorker(), &SaveAccessRightsWorker::handleShareWork);
}

void SaveAccessRightsWorker::handleShareWork(bool success, const QString &error)
{
    if (isFinished() || m_step != Step::Sharing)
        return;
    if (!success) {
        fail(tr("Error edit access"), error, error);
        return;
    }
    m_dao->setSharedState(m_entityId, !m_usersToShare.isEmpty() || !m_rolesToShare.isEmpty());
    succeed(tr("Access granted"), QString());
}
