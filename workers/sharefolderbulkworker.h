#pragma once

#include "workers/bulkshareworker.h"

// Gives users and roles access to a folder.
class ShareFolderBulkWorker : public BulkShareWorker
{
    Q_OBJECT
public:
    ShareFolderBulkWorker(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                          QObject *parent = nullptr);

public slots:
    void handleShareRequest(const QVariantMap &result);

protected:
    void startWork() override;
};
