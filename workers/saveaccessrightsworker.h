#pragma once

#include "database/userorroleentity.h"
#include "workers/operationworker.h"

#include <QList>

class RunnableWorker;

// Saves the whole access list of a document or folder: takes the removed
// users and roles away first, and only when that worked gives the listed ones
// their access. The entry is shown busy meanwhile.
class SaveAccessRightsWorker : public OperationWorker
{
    Q_OBJECT
public slots:
    void handleUnshareWork(bool success, const QString &error);
    void handleShareWork(bool success, const QString &error);

protected:
    enum EntryKind { File, Folder };

    SaveAccessRightsWorker(EntryKind kind, DataAccessObject *dao, int entityId,
                           const QList<UserOrRoleEntity> &usersToShare, const QList<UserOrRoleEntity> &rolesToShare,
                           const QList<UserOrRoleEntity> &usersToUnshare,
                           const QList<UserOrRoleEntity> &rolesToUnshare, QObject *parent);

    void startWork() final;

    virtual RunnableWorker *createUnshareWorker() const = 0;
    virtual RunnableWorker *createShareWorker() const = 0;

    const int m_entityId;
    const QList<UserOrRoleEntity> m_usersToShare;
    const QList<UserOrRoleEntity> m_rolesToShare;
    const QList<UserOrRoleEntity> m_usersToUnshare;
    const QList<UserOrRoleEntity> m_rolesToUnshare;

private:
    enum class Step { Unsharing, Sharing };

    template <typename Handler>
    void startStep(RunnableWorker *worker, Handler handler);

    const EntryKind m_kind;
    Step m_step = Step::Unsharing;
};
