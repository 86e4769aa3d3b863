#pragma once

#include "workers/saveaccessrightsworker.h"

// Saves the access list of a folder.
class SaveFolderAccessRightsWorker : public SaveAccessRightsWorker
{
    Q_OBJECT
public:
    SaveFolderAccessRightsWorker(DataAccessObject *dao, int entityId,
                                 const QList<UserOrRoleEntity> &usersToShare,
                                 const QList<UserOrRoleEntity> &rolesToShare,
                                 const QList<UserOrRoleEntity> &usersToUnshare,
                                 const QList<UserOrRoleEntity> &rolesToUnshare, QObject *parent = nullptr);

protected:
    RunnableWorker *createUnshareWorker() const override;
    RunnableWorker *createShareWorker() const override;
};
